#pragma once

#include "engine/HoroscopeRecord.h"
#include "placedb/PlaceDatabase.h"
#include "gui/HoroscopeDialogVariant.h"

#include <QDate>
#include <QDialog>
#include <QTime>

#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTimeEdit;

namespace orvel {

class MessageSink;
class PlaceCombos;
class SoftInputPanel;

// The horoscope edit dialog: name, local date and time of birth, and the place, chosen
// from the place database (country, then city, which fills time zone and coordinates)
// or typed in as "Other". Works on a copy of the record it is given, which it changes
// only when OK finds every field acceptable; the caller takes record() over then.
class CHoroscopeDlg : public QDialog {
    Q_OBJECT
public:
    // The first and last dates a horoscope file holds.
    static QDate firstDate() { return QDate(100, 1, 1); }
    static QDate lastDate() { return QDate(9999, 12, 31); }

    // A record without a valid birth moment opens on `now`. `ui` and `panel` (null: no
    // on-screen keyboard) must outlive the dialog, which opens its own place database on
    // `databaseFolder`.
    CHoroscopeDlg(const HoroscopeRecord &record, const DateTime &now, const HoroscopeDialogVariant &variant,
                  const QString &databaseFolder, MessageSink &ui, SoftInputPanel *panel, QWidget *parent = nullptr);
    ~CHoroscopeDlg() override;

    // Fills the controls from the record and the place database. False when the country
    // or place list cannot be read; the dialog must then close as cancelled.
    bool OnInitDialog();
    // Opens, then runs modally; Rejected at once when opening fails.
    int exec() override;
    // Stores and closes only when the entries pass their checks.
    void accept() override;

    // The record as given, and after OK as entered.
    const HoroscopeRecord &record() const { return m_record; }

    // The line under the coordinates that names a clock change, for tests.
    QLabel *clockChangeLine() const { return m_clockChange; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls(const DateTime &now);
    // Shows the city combo or the typed-city edit, by the Other box.
    void showCityControls();
    bool fillCities(const QString &text, bool opening);
    // Puts the chosen place's offset at the entered moment into the time-zone field and,
    // with `wholePlace`, its name and coordinates into theirs; without a chosen place
    // these fields are emptied.
    void takeOverPlace(bool wholePlace = true);
    // Reads the pickers; true when a value changed since the last reading.
    bool readDateTime();
    // Names the change, if any, and `used`, the offset put into the time-zone field.
    void showClockChange(const std::optional<ClockChange> &change, double used);
    // Checks every field; on success puts them into the record.
    bool store();
    // Refuses OK: the focus goes to `field` and the user reads `message`.
    bool refuse(QWidget *field, const QString &message);

    HoroscopeRecord m_record;
    HoroscopeDialogVariant m_variant;
    MessageSink &m_ui;
    SoftInputPanel *m_panel;
    PlaceDatabase m_database;
    PlaceCombos *m_combos = nullptr;
    QDate m_date;
    QTime m_time;
    QString m_openedTimeZone;     // the time-zone text the record opened with
    bool m_placeTouched = false;  // the user changed city, country or Other
    bool m_countryChosen = false; // the user chose a country

    QLineEdit *m_name = nullptr;
    QDateEdit *m_datePicker = nullptr;
    QTimeEdit *m_timePicker = nullptr;
    QComboBox *m_countries = nullptr;
    QComboBox *m_cities = nullptr;
    QLineEdit *m_typedCity = nullptr;
    QCheckBox *m_other = nullptr;
    QLineEdit *m_timeZone = nullptr;
    QLineEdit *m_latitude = nullptr;
    QLineEdit *m_longitude = nullptr;
    QLabel *m_clockChange = nullptr;
};

} // namespace orvel
