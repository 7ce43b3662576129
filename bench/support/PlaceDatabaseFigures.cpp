#include "support/PlaceDatabaseFigures.h"

#include "support/Timing.h"

#include <QFile>

#include <cmath>

namespace orvel::bench {

namespace {

// Reads a file whole, as the database does before it parses anything.
void readWhole(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        file.readAll();
}

} // namespace

PlaceDatabaseFigures::PlaceDatabaseFigures(QString folder, int runs) : m_folder(std::move(folder)), m_runs(runs) {}

void PlaceDatabaseFigures::lookUp(PlaceDatabase &database, const QString &table, int zone, const DateTime &moment)
{
    double offset = NAN;
    m_ok = database.GetDeltaGMT(moment, table, zone, offset) && !std::isnan(offset) && m_ok;
}

void PlaceDatabaseFigures::loadPlaces(const char *what, const QString &country, const QString &letter,
                                      const char *target, double boundMicros)
{
    const QString path = file(QStringLiteral("Orte_%1.txt").arg(country));
    PlaceDatabase database(m_folder, QString(), m_sink);
    std::vector<PlaceRecord> places;
    Samples floor, measured;
    for (int run = 0; run < m_runs; ++run) {
        floor.time([&] { readWhole(path); });
        measured.time([&] { m_ok = database.LoadPlaces(places, country, letter) && !places.empty() && m_ok; });
    }
    printCompared(what, measured, target, boundMicros, "reading the place file whole", floor);
}

void PlaceDatabaseFigures::cachedLookup(const char *what, const QString &table, int zone, int firstYear,
                                        const char *target, double boundMicros)
{
    const QString zones = file(QStringLiteral("Zones.txt"));
    PlaceDatabase database(m_folder, QString(), m_sink);
    lookUp(database, table, zone, DateTime(firstYear, 1, 1)); // fills the cache
    // A cached look-up takes microseconds: many more runs for a steady median.
    Samples floor, measured;
    for (int run = 0; run < 20 * m_runs; ++run) {
        // A new moment each run, so that every run searches the section afresh.
        const DateTime moment(firstYear + run % 200, 1 + run % 12, 1 + run % 28, run % 24, 30);
        floor.time([&] { readWhole(zones); });
        measured.time([&] { lookUp(database, table, zone, moment); });
    }
    // Once a database object has read its time-table section and the zone file, a
    // look-up reads no file; reading Zones.txt once is the least any file access costs.
    printCompared(what, measured, target, boundMicros, "reading Zones.txt whole", floor);
}

void PlaceDatabaseFigures::uncachedLookup(const char *what, const QString &table, int zone, const DateTime &moment,
                                          const char *target, double boundMicros)
{
    const QString tableFile = file(QStringLiteral("Ttable_%1.txt").arg(table));
    const QString zones = file(QStringLiteral("Zones.txt"));
    Samples floor, measured;
    for (int run = 0; run < m_runs; ++run) {
        PlaceDatabase database(m_folder, QString(), m_sink); // a fresh object: nothing cached
        floor.time([&] {
            readWhole(tableFile);
            readWhole(zones);
        });
        measured.time([&] { lookUp(database, table, zone, moment); });
    }
    printCompared(what, measured, target, boundMicros, "reading the table and Zones.txt whole", floor);
}

} // namespace orvel::bench
