// Times the reader on the generated world database: LoadPlaces on the largest place
// file (for its longest letter stretch) and GetDeltaGMT without cache on the largest
// time table (for its zone with the most rows).
#include "support/Timing.h"
#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"

#include <QDir>
#include <QFileInfo>

using namespace orvel;
using orvel::bench::Samples;

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
    const QString lastCountry = folder + QStringLiteral("/LstCntry.dat");

    const QString country = codeOf(placeFile, QStringLiteral("Orte_"));
    QChar longestLetter;
    std::size_t longest = 0;
    {
        PlaceDatabase database(folder, lastCountry, sink);
        std::vector<PlaceRecord> places;
        for (char16_t c = u'A'; c <= u'Z'; ++c) {
            database.LoadPlaces(places, country, QString(QChar(c)));
            if (places.size() > longest) {
                longest = places.size();
                longestLetter = QChar(c);
            }
        }
    }
    Samples load;
    for (int run = 0; run < 50; ++run) {
        PlaceDatabase database(folder, lastCountry, sink);
        std::vector<PlaceRecord> places;
        load.time([&] { database.LoadPlaces(places, country, QString(longestLetter)); });
    }
    std::printf("%s: %lld bytes, letter %s: %zu places\n", qPrintable(placeFile.fileName()),
                static_cast<long long>(placeFile.size()), qPrintable(QString(longestLetter)), longest);
    bench::printFigure("LoadPlaces, largest place file", load, "<= 10 ms median");

    const QString table = codeOf(timeTable, QStringLiteral("Ttable_"));
    int biggestZone = 1;
    std::size_t mostRows = 0;
    {
        PlaceDatabase database(folder, lastCountry, sink);
        for (int zone = 1;; ++zone) {
            std::vector<const TimeTableRow *> rows;
            if (!database.LoadZoneSection(table, zone, rows) || rows.empty())
                break;
            if (rows.size() > mostRows) {
                mostRows = rows.size();
                biggestZone = zone;
            }
        }
    }
    Samples lookup;
    for (int run = 0; run < 50; ++run) {
        PlaceDatabase database(folder, lastCountry, sink); // a fresh object: nothing cached
        double offset = 0;
        lookup.time([&] { database.GetDeltaGMT(DateTime(2099, 7, 1, 12, 0), table, biggestZone, offset); });
    }
    std::printf("%s: %lld bytes, zone %d: %zu rows\n", qPrintable(timeTable.fileName()),
                static_cast<long long>(timeTable.size()), biggestZone, mostRows);
    bench::printFigure("GetDeltaGMT uncached, largest time table", lookup, "<= 5 ms");
    return sink.messages.isEmpty() ? 0 : 1;
}
