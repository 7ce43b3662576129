#pragma once

#include "engine/ChartPlace.h"
#include "engine/HoroscopeRecord.h"
#include "placedb/PlaceDatabase.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;

namespace orvel {

class Clock;
class MessageSink;
class PlaceCombos;
class SoftInputPanel;

// The solar dialog: the year of a solar return (from the birth year to 3000) and the
// place it is cast for, chosen by country and city.
class CSolarDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int LastYear = 3000;

    // Everything passed in must outlive the dialog, which opens its own place database
    // on `databaseFolder`; `clock` gives the year offered first.
    CSolarDlg(const HoroscopeRecord &birth, const QString &databaseFolder, const Clock &clock, MessageSink &ui,
              SoftInputPanel &panel, QWidget *parent = nullptr);
    ~CSolarDlg() override;

    // Fills the controls; false when the country or place list cannot be read.
    bool OnInitDialog();
    int exec() override;
    // Closes with the year and the place when both are acceptable; otherwise moves the
    // focus to the faulty field and, for the place, says why there is none.
    void accept() override;

    // After OK: the year and the chosen place.
    int year() const { return m_year; }
    const std::optional<ChartPlace> &place() const { return m_place; }

    QLineEdit *yearEdit() const { return m_yearEdit; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int currentYear() const;
    bool yearInRange(int year) const { return year >= m_birth.birth.year() && year <= LastYear; }
    void step(int years);

    const HoroscopeRecord &m_birth;
    const Clock &m_clock;
    MessageSink &m_ui;
    SoftInputPanel &m_panel;
    PlaceDatabase m_database;
    PlaceCombos *m_combos = nullptr;
    QString m_yearText; // the last text of digits only
    int m_year = 0;
    std::optional<ChartPlace> m_place;

    QLineEdit *m_yearEdit = nullptr;
    QComboBox *m_countries = nullptr;
    QComboBox *m_cities = nullptr;
};

} // namespace orvel
