// Times the place database's hot paths on synthetic files of the promised sizes: a
// place file of 50,000 places and a time table of 1 MB.

#include "placedb/FieldReader.h"
#include "support/PlaceDatabaseFigures.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace orvel;

namespace {

void writeMasked(const QString &path, QByteArray plain)
{
    FieldReader::UnmaskBuffer(plain.data(), plain.size());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(plain) != plain.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// An index line whose positions account for its own length.
QByteArray withIndex(const std::vector<std::pair<QByteArray, QByteArray>> &stretches, char separator)
{
    QByteArray index;
    qsizetype previousSize = -1;
    while (index.size() != previousSize) {
        previousSize = index.size();
        qsizetype position = index.size() + 1;
        QByteArray next;
        for (const auto &[key, rows] : stretches) {
            next += key + (separator ? QByteArray(1, separator) : QByteArray()) + QByteArray::number(position) + ' ';
            position += rows.size();
        }
        index = next;
    }
    QByteArray text = index + '\n';
    for (const auto &stretch : stretches)
        text += stretch.second;
    return text;
}

QByteArray placeFile(int places)
{
    std::vector<std::pair<QByteArray, QByteArray>> stretches;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        stretches.emplace_back(QByteArray(1, letter), QByteArray());
    for (int i = 1; i <= places; ++i) {
        auto &[key, rows] = stretches[i % 26];
        rows += QByteArray::number(i) + "\tD\t" + key + "ort-" + QByteArray::number(i) + "\t"
            + QByteArray::number(i % 40) + "\t52\xB0" "31'N\t13\xB0" "24'E\r\n";
    }
    return withIndex(stretches, 0);
}

QByteArray timeTable(int zones, int rowsPerZone)
{
    std::vector<std::pair<QByteArray, QByteArray>> stretches;
    for (int zone = 1; zone <= zones; ++zone) {
        QByteArray rows;
        for (int row = 0; row < rowsPerZone; ++row) {
            const int year = 1900 + row / 2;
            rows += "BIG\t" + QByteArray::number(zone) + '\t'
                + (row % 2 ? "01.10." : "30.04.") + QByteArray::number(year) + " 02:00:00\t"
                + (row % 2 ? "MEZ" : "MESZ") + "\r\n";
        }
        stretches.emplace_back(QByteArray::number(zone), rows);
    }
    return withIndex(stretches, '_');
}

QByteArray zoneFile(int records)
{
    QByteArray text;
    for (int i = 0; i < records; ++i)
        text += "Z" + QByteArray::number(i) + "\tZone number " + QByteArray::number(i) + "\t" + QByteArray::number(i % 24) + ".0\r\n";
    return text + "MEZ\tMitteleurop\xE4ische Zeit\t1.0\r\nMESZ\tMitteleurop\xE4ische Sommerzeit\t2.0\r\n";
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QByteArray places = placeFile(50000);
    const QByteArray table = timeTable(400, 75);
    writeMasked(folder + "/Orte_D.txt", places);
    writeMasked(folder + "/Ttable_BIG.txt", table);
    writeMasked(folder + "/Zones.txt", zoneFile(300));
    std::printf("Place database on synthetic files: place file %lld bytes, time table %lld bytes\n",
                qlonglong(places.size()), qlonglong(table.size()));

    bench::PlaceDatabaseFigures figures(folder, 51);
    figures.loadPlaces("LoadPlaces, 50,000 places, one letter", QStringLiteral("D"), QStringLiteral("m"),
                       "<= 5 ms median", 5000);
    figures.cachedLookup("GetDeltaGMT cached, 1 MB table", QStringLiteral("BIG"), 399, 1900, "<= 20 us median", 20);
    figures.uncachedLookup("GetDeltaGMT uncached, 1 MB table", QStringLiteral("BIG"), 399, DateTime(1920, 6, 1),
                           "<= 2 ms median", 2000);
    return figures.ok() ? 0 : 1;
}
