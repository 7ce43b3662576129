#pragma once

#include "placedb/CountryRecord.h"
#include "placedb/PlaceRecord.h"

#include <QObject>
#include <QString>

#include <vector>

class QComboBox;

namespace orvel {

class PlaceDatabase;

// The country and city combos of the horoscope dialogs. Owns the country list and the
// place list of the chosen country; each combo item carries the index of its record.
// The city list holds the places whose names begin with the letter typed first. The
// city field always shows the place that is chosen: a typed name that equals a place's
// name (as sort keys fold case and accents) chooses that place, otherwise the field
// completes to the first listed place that begins with the typed text, the completed
// part selected; a text that begins no place's name chooses none.
class PlaceCombos : public QObject {
    Q_OBJECT
public:
    // `database` and both combos must outlive this object; `cities` is made editable.
    PlaceCombos(PlaceDatabase &database, QComboBox *countries, QComboBox *cities);

    // Fills the country combo in the database's order and selects `country`, or else
    // the first country. False (the database has shown why) when the list is unreadable.
    bool fillCountries(const QString &country);
    // Reloads the city combo with the selected country's places for the first letter
    // of `text` and puts `text` into the city field by the rule above, caret at its end.
    // False when the place list is unreadable.
    bool fillCities(const QString &text);

    const CountryRecord *selectedCountry() const;
    // The place the city field shows; null when its text begins no place's name.
    const PlaceRecord *chosenPlace() const;
    // Why no place is chosen, to tell the user: the selected country's places are not
    // in the database folder, the field is empty, or its text begins no place's name.
    // `otherOffered`: the dialog lets the user type a place by hand.
    QString noPlaceMessage(bool otherOffered) const;

signals:
    // The user changed the city field or chose from its list; chosenPlace() says to what.
    void placeChanged();

private:
    // Replaces the city combo's items with the places for `text`'s first letter.
    bool reload(const QString &text);
    void edited(const QString &text);
    // Chooses the place for `typed` and shows it in the field.
    void complete(const QString &typed);
    bool placeFileExists() const;

    PlaceDatabase &m_database;
    QComboBox *m_countries;
    QComboBox *m_cities;
    std::vector<CountryRecord> m_countryList;
    std::vector<PlaceRecord> m_placeList;
    std::vector<QString> m_keys; // the sort keys of the combo's items, in its order
    QChar m_listLetter;          // the first key character of the listed places
    QString m_typed;             // the part of the field the user typed
    QString m_shown;             // the field's text after the last completion
};

} // namespace orvel
