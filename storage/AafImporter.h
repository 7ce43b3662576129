#pragma once

#include "storage/AafCountryChooser.h"
#include "storage/AafFields.h"
#include "storage/AafFile.h"
#include "storage/AafPlaceFinder.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace orvel {

struct AafRawRecord;

// Turns the records of one AAF file into horoscopes against the place database: the
// country by its code, the place where the file lacks coordinates or zone, the
// calendar of the date, the offset from universal time, and the check of all of it
// against the file's Julian day.
class AafImporter {
    Q_DECLARE_TR_FUNCTIONS(AafImporter)

public:
    // `places` must outlive the importer.
    explicit AafImporter(PlaceDirectory &places);

    AafEntry read(const AafRawRecord &raw);

private:
    // The #B93 fields of one record, and what the place database added to them.
    struct Location {
        std::optional<double> julianDay; // universal time
        std::optional<double> latitude;
        std::optional<double> longitude;
        std::optional<double> zone;      // hours east of Greenwich
        AafDaylight daylight;
        QString daylightText;
        std::optional<ChartPlace> place; // from the database, where it was needed and known
    };
    struct Offset {
        double hours = 0;
        bool fromDatabase = false;
    };

    static Location location(const std::optional<QStringList> &b93, QStringList &notes);
    static bool needsPlace(const Location &at);
    void locate(HoroscopeRecord &h, Location &at, QStringList &notes);

    std::optional<Offset> offsetAt(const Location &at, const DateTime &local);
    std::optional<DateTime> calendarDate(const QString &field, const AafDateReading &reading, std::optional<int> time,
                                         const Location &at, QStringList &notes);
    double deltaGmt(const Location &at, std::int64_t local, std::optional<int> time, QStringList &notes);
    std::int64_t birth(std::int64_t midnight, std::optional<int> time, const Location &at, double deltaGmt,
                       QStringList &notes) const;
    static void checkJulianDay(HoroscopeRecord &h, std::int64_t local, const Location &at, QStringList &notes);

    PlaceDirectory &m_places;
    AafPlaceFinder m_finder;
    AafCountryChooser m_countries;
};

} // namespace orvel
