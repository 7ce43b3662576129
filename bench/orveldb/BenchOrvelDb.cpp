// Times the reader on the generated world database: LoadPlaces on the largest place
// file (for its longest letter stretch) and GetDeltaGMT on the largest time table
// (for its zone with the most rows), cached and uncached.
#include "support/PlaceDatabaseFigures.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace orvel;

namespace {

QFileInfo largest(const QString &folder, const QString &pattern)
{
    const QFileInfoList files = QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Size);
    return files.isEmpty() ? QFileInfo() : files.front();
}

QString codeOf(const QFileInfo &file, const QString &prefix)
{
    return file.completeBaseName().mid(prefix.size());
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

    const QString country = codeOf(placeFile, QStringLiteral("Orte_"));
    QChar longestLetter;
    std::size_t longest = 0;
    std::vector<PlaceRecord> places;
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        database.LoadPlaces(places, country, QString(QChar(c)));
        if (places.size() > longest) {
            longest = places.size();
            longestLetter = QChar(c);
        }
    }

    const QString table = codeOf(timeTable, QStringLiteral("Ttable_"));
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
                static_cast<long long>(placeFile.size()), qPrintable(QString(longestLetter)), longest);
    std::printf("%s: %lld bytes, zone %d: %zu rows\n", qPrintable(timeTable.fileName()),
                static_cast<long long>(timeTable.size()), biggestZone, mostRows);
    bench::PlaceDatabaseFigures figures(folder, 51);
    figures.loadPlaces("LoadPlaces, largest place file", country, QString(longestLetter), "<= 10 ms median", 10000);
    figures.cachedLookup("GetDeltaGMT cached, largest time table", table, biggestZone, 1900, "<= 20 us median", 20);
    figures.uncachedLookup("GetDeltaGMT uncached, largest time table", table, biggestZone,
                           DateTime(2099, 7, 1, 12, 0), "<= 5 ms median", 5000);
    return figures.ok() && sink.messages.isEmpty() ? 0 : 1;
}
