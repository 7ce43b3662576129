// Times the reader on the generated world database: LoadPlaces on the largest place
// file (for its longest letter stretch) and GetDeltaGMT on the largest time table
// (for its zone with the most rows), cached and uncached.
#include "support/DatabaseSamples.h"
#include "support/PlaceDatabaseFigures.h"

#include <cstdio>

using namespace orvel;

namespace {

QFileInfo largest(const QString &folder, const QString &pattern)
{
    const QFileInfoList files = bench::largestFirst(folder, pattern);
    return files.isEmpty() ? QFileInfo() : files.front();
}

} // namespace

int main(int argc, char *argv[])
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ORVEL_PROGRAM_DIR "/OrvelDB");
    const QFileInfo placeFile = largest(folder, QStringLiteral("Orte_*.txt"));
    const QFileInfo timeTable = largest(folder, QStringLiteral("Ttable_*.txt"));
    if (!placeFile.exists() || !timeTable.exists()) {
        std::fprintf(stderr, "no generated database in %s\n", qPrintable(folder));
        return 1;
    }
    RecordingMessageSink sink;
    PlaceDatabase database(folder, QString(), sink);

    const QString country = bench::codeOf(placeFile, QStringLiteral("Orte_"));
    const bench::LetterStretch stretch = bench::longestStretch(database, country);

    const QString table = bench::codeOf(timeTable, QStringLiteral("Ttable_"));
    int biggestZone = 1;
    std::size_t mostRows = 0;
    for (int zone = 1;; ++zone) {
        std::vector<const TimeTableRow *> rows;
        if (!database.LoadZoneSection(table, zone, rows) || rows.empty())
            break;
        if (rows.size() > mostRows) {
            mostRows = rows.size();
            biggestZone = zone;
        }
    }

    std::printf("Place database on the generated world database\n");
    std::printf("%s: %lld bytes, letter %s: %zu places\n", qPrintable(placeFile.fileName()),
                static_cast<long long>(placeFile.size()), qPrintable(QString(stretch.letter)), stretch.places.size());
    std::printf("%s: %lld bytes, zone %d: %zu rows\n", qPrintable(timeTable.fileName()),
                static_cast<long long>(timeTable.size()), biggestZone, mostRows);
    bench::PlaceDatabaseFigures figures(folder, 51);
    figures.loadPlaces("LoadPlaces, largest place file", country, QString(stretch.letter), "<= 10 ms median", 10000);
    figures.cachedLookup("GetDeltaGMT cached, largest time table", table, biggestZone, 1900, "<= 20 us median", 20);
    figures.uncachedLookup("GetDeltaGMT uncached, largest time table", table, biggestZone,
                           DateTime(2099, 7, 1, 12, 0), "<= 5 ms median", 5000);
    return figures.ok() && sink.messages.isEmpty() ? 0 : 1;
}
