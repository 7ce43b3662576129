#pragma once

#include "placedb/CountryRecord.h"
#include "placedb/PlaceRecord.h"

#include <QObject>

#include <vector>

class QComboBox;

namespace orvel {

class PlaceDatabase;

// The country and city combos of the horoscope dialogs. Owns the country list and the
// place list of the chosen country; each combo item carries the index of its record.
// The city list holds the places whose names begin with the letter typed last.
class PlaceCombos : public QObject {
    Q_OBJECT
public:
    // `database` and both combos must outlive this object; `cities` is made editable.
    PlaceCombos(PlaceDatabase &database, QComboBox *countries, QComboBox *cities);

    // Fills the country combo in the database's order and selects `country`, or else
    // the first country. False (the database has shown why) when the list is unreadable.
    bool fillCountries(const QString &country);
    // Reloads the city combo with the selected country's places for the first letter
    // of `text`, selects `city` or else the first place, and puts `text` into the edit
    // field with the caret at its end. False when the place list is unreadable.
    bool fillCities(const QString &text, const QString &city);

    const CountryRecord *selectedCountry() const;
    // The selected place; after typing, the place named exactly as the edit field,
    // which becomes selected. Null without one.
    const PlaceRecord *selectPlace();

signals:
    // The user typed into the city field and it holds one character besides blanks.
    void cityLetterTyped(const QString &letter);

private:
    PlaceDatabase &m_database;
    QComboBox *m_countries;
    QComboBox *m_cities;
    std::vector<CountryRecord> m_countryList;
    std::vector<PlaceRecord> m_placeList;
    bool m_typed = false; // the city field was typed into since the last selection
};

} // namespace orvel
