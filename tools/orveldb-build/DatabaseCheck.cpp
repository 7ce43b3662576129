#include "DatabaseCheck.h"

#include "placedb/DatabaseFile.h"
#include "placedb/SortKey.h"
#include "placedb/ZoneFile.h"

#include <algorithm>
#include <cmath>

namespace orvel {

DatabaseCheck::DatabaseCheck(const QString &folder)
    : m_folder(folder), m_database(folder, folder + QStringLiteral("/LstCntry.dat"), m_sink)
{
}

void DatabaseCheck::countries(const std::vector<CountryRecord> &written)
{
    std::vector<CountryRecord> read;
    if (!m_database.LoadCountryList(read)) {
        m_problems << QStringLiteral("country file unreadable: %1").arg(m_sink.messages.join(u' '));
        return;
    }
    const auto byCode = [](const CountryRecord &a, const CountryRecord &b) { return a.code < b.code; };
    std::vector<CountryRecord> expected = written;
    std::sort(expected.begin(), expected.end(), byCode);
    std::sort(read.begin(), read.end(), byCode);
    if (read != expected)
        m_problems << QStringLiteral("country file reads back %1 records, %2 written, or they differ")
                          .arg(read.size())
                          .arg(expected.size());
}

void DatabaseCheck::places(const QString &code, const std::vector<PlaceRecord> &written)
{
    for (auto begin = written.begin(); begin != written.end();) {
        const QChar keyCharacter = MakeSortKey(begin->name).front();
        const auto end = std::find_if(begin, written.end(), [&](const PlaceRecord &r) {
            return MakeSortKey(r.name).front() != keyCharacter;
        });
        std::vector<PlaceRecord> read;
        if (!m_database.LoadPlaces(read, code, QString(keyCharacter)) ||
            !std::equal(read.begin(), read.end(), begin, end))
            m_problems << QStringLiteral("place file %1, letter %2: %3 records read back, %4 written %5")
                              .arg(code, QString(keyCharacter))
                              .arg(read.size())
                              .arg(end - begin)
                              .arg(m_sink.messages.join(u' '));
        begin = end;
    }
}

void DatabaseCheck::timeTable(const QString &code, const std::vector<std::vector<TimeTableRow>> &written)
{
    for (std::size_t i = 0; i < written.size(); ++i) {
        std::vector<const TimeTableRow *> read;
        const bool ok = m_database.LoadZoneSection(code, int(i) + 1, read);
        const bool same = std::equal(read.begin(), read.end(), written[i].begin(), written[i].end(),
                                     [](const TimeTableRow *r, const TimeTableRow &w) { return *r == w; });
        if (!ok || !same)
            m_problems << QStringLiteral("time table %1, zone %2: %3 rows read back, %4 written, or they differ")
                              .arg(code)
                              .arg(i + 1)
                              .arg(read.size())
                              .arg(written[i].size());
    }
}

void DatabaseCheck::zoneFile(const std::map<QString, int> &keys)
{
    const Result<QByteArray> file = DatabaseFile::read(m_folder + QStringLiteral("/Zones.txt"));
    if (!file) {
        m_problems << QStringLiteral("zone file unreadable: %1").arg(file.message());
        return;
    }
    const QHash<QString, double> offsets = ZoneFile::offsets(file.value());
    for (const auto &[key, seconds] : keys) {
        const auto hours = offsets.constFind(key);
        if (hours == offsets.constEnd() || std::lround(*hours * 3600) != seconds)
            m_problems << QStringLiteral("zone file: %1 reads back %2, not %3 s")
                              .arg(key, hours != offsets.constEnd() ? QString::number(*hours) : QStringLiteral("nothing"))
                              .arg(seconds);
    }
}

} // namespace orvel
