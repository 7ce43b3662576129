#include "DesignationKeys.h"
#include "MaskedFile.h"
#include "TimeTableText.h"
#include "ZoneHistory.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/ZoneFile.h"
#include "platform/RecordingMessageSink.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvel;

namespace {

using Offset = ZoneHistory::Offset;

std::int64_t utc(int year, int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC).toSecsSinceEpoch();
}

const ZoneHistory::Row *rowStarting(const std::vector<ZoneHistory::Row> &rows, const DateTime &start)
{
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const ZoneHistory::Row &r) { return r.start == start; });
    return it == rows.end() ? nullptr : &*it;
}

// A database folder holding one time table "T" and its zone file.
class ZoneTables : public ::testing::Test {
protected:
    void write(const std::vector<std::vector<ZoneHistory::Row>> &zones)
    {
        for (const auto &rows : zones) {
            for (const ZoneHistory::Row &row : rows)
                keys.add(row.offset.abbreviation, row.offset.seconds);
        }
        std::vector<std::vector<TimeTableText::Row>> tableZones;
        for (const auto &rows : zones) {
            auto &out = tableZones.emplace_back();
            for (const ZoneHistory::Row &row : rows)
                out.push_back({row.start, keys.keyFor(row.offset.abbreviation, row.offset.seconds)});
        }
        ASSERT_TRUE(MaskedFile::write(dir.path() + u"/Ttable_T.txt"_qs, TimeTableText(u"T"_qs, tableZones).bytes()).ok());
        ASSERT_TRUE(MaskedFile::write(dir.path() + u"/Zones.txt"_qs, keys.zoneFileText()).ok());
    }

    // Offset in seconds at a local moment, through the program's lookup.
    int offsetAt(int zone, const DateTime &local)
    {
        PlaceDatabase database(dir.path(), dir.path() + u"/LstCntry.dat"_qs, sink);
        double hours = -99;
        EXPECT_TRUE(database.GetDeltaGMT(local, u"T"_qs, zone, hours));
        return int(std::lround(hours * 3600));
    }

    QTemporaryDir dir;
    RecordingMessageSink sink;
    DesignationKeys keys;
};

} // namespace

TEST(ZoneHistory, RepeatedAndSkippedLocalTimesTakeTheOffsetBeforeTheTransition)
{
    const Offset winter{3600, u"CET"_qs}, summer{7200, u"CEST"_qs};
    const std::vector<ZoneHistory::Row> rows = ZoneHistory::rowsFrom(
        winter, {{utc(2021, 3, 28, 1), summer}, {utc(2021, 10, 31, 1), winter}, {utc(2022, 1, 1, 0), winter}});
    ASSERT_EQ(rows.size(), 3u); // the last transition changes nothing
    EXPECT_EQ(rows[0].start, DateTime(ZoneHistory::FirstYear, 1, 1));
    EXPECT_EQ(rows[0].offset, winter);
    // Spring: 02:00-03:00 never happens; the summer row starts at its end, 03:00.
    EXPECT_EQ(rows[1].start, DateTime(2021, 3, 28, 3, 0));
    // Autumn: 02:00-03:00 happens twice; the winter row starts after the first, at 03:00.
    EXPECT_EQ(rows[2].start, DateTime(2021, 10, 31, 3, 0));
}

TEST(ZoneHistory, TransitionsCloserThanTheirOffsetsKeepRowsInOrder)
{
    // +12 to +9, an hour later to +10: the +9 row would start (12:00 local) after the
    // +10 row (11:00), so no local moment reads +9 and its row goes.
    const std::vector<ZoneHistory::Row> rows = ZoneHistory::rowsFrom(
        {43200, u"A"_qs}, {{utc(2000, 1, 1, 0), {32400, u"B"_qs}}, {utc(2000, 1, 1, 1), {36000, u"C"_qs}}});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].offset.abbreviation, u"C"_qs);
    EXPECT_EQ(rows[1].start, DateTime(2000, 1, 1, 11, 0));
}

TEST(ZoneHistory, BerlinFromTheSystemZoneData)
{
    const std::vector<ZoneHistory::Row> rows = ZoneHistory::rowsFor(QTimeZone("Europe/Berlin"));
    ASSERT_GT(rows.size(), 250u);
    EXPECT_EQ(rows.front().offset, (Offset{3208, u"LMT"_qs}));
    // Local mean time 0:53:28 ended 1893-03-31 23:06:32 UTC.
    const ZoneHistory::Row *cet = rowStarting(rows, DateTime(1893, 4, 1, 0, 6, 32));
    ASSERT_TRUE(cet);
    EXPECT_EQ(cet->offset, (Offset{3600, u"CET"_qs}));
    ASSERT_TRUE(rowStarting(rows, DateTime(1945, 5, 24, 3, 0)));
    EXPECT_EQ(rowStarting(rows, DateTime(1945, 5, 24, 3, 0))->offset, (Offset{10800, u"CEMT"_qs}));
    // Beyond the zone file's table the rule goes on to the end of 2399, and no further.
    ASSERT_TRUE(rowStarting(rows, DateTime(2100, 3, 28, 3, 0)));
    EXPECT_EQ(rowStarting(rows, DateTime(2100, 10, 31, 3, 0))->offset.seconds, 3600);
    ASSERT_TRUE(rowStarting(rows, DateTime(2399, 3, 28, 3, 0)));
    EXPECT_EQ(rowStarting(rows, DateTime(2399, 3, 28, 3, 0))->offset.seconds, 7200);
    EXPECT_EQ(rows.back().start, DateTime(2399, 10, 31, 3, 0));
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(),
                               [](const ZoneHistory::Row &a, const ZoneHistory::Row &b) { return a.start < b.start; }));
}

TEST(DesignationKeys, AbbreviationsOfSeveralOffsetsGetDistinctKeys)
{
    DesignationKeys keys;
    keys.add(u"IST"_qs, 19800);
    keys.add(u"IST"_qs, 3600);
    keys.add(u"CET"_qs, 3600);
    keys.add(u"CET"_qs, 3600);
    keys.add(u"LMT"_qs, 3208);
    keys.add(u"LMT"_qs, -17762);
    keys.add(QString(), -12600);
    EXPECT_EQ(keys.keyFor(u"CET"_qs, 3600), u"CET"_qs);
    EXPECT_EQ(keys.keyFor(u"IST"_qs, 19800), u"IST+05:30"_qs);
    EXPECT_EQ(keys.keyFor(u"IST"_qs, 3600), u"IST+01:00"_qs);
    EXPECT_EQ(keys.keyFor(u"LMT"_qs, 3208), u"LMT+00:53:28"_qs);
    EXPECT_EQ(keys.keyFor(u"LMT"_qs, -17762), u"LMT-04:56:02"_qs);
    EXPECT_EQ(keys.keyFor(QString(), -12600), u"UTC-03:30"_qs);
    EXPECT_EQ(DesignationKeys::hoursText(3600), u"1.0"_qs);
    EXPECT_EQ(DesignationKeys::hoursText(-12600), u"-3.5"_qs);
    EXPECT_EQ(DesignationKeys::hoursText(3208), u"0.891111"_qs);

    // Every key reads back from the zone file with its offset, to the second.
    const QHash<QString, double> offsets = ZoneFile::offsets(keys.zoneFileText());
    for (const auto &[key, seconds] : keys.keys()) {
        ASSERT_TRUE(offsets.contains(key)) << qPrintable(key);
        EXPECT_EQ(std::lround(offsets.value(key) * 3600), seconds) << qPrintable(key);
    }
    EXPECT_EQ(keys.keys().size(), 6u);
}

TEST_F(ZoneTables, LookupReadsTheWrittenRulesAroundTransitions)
{
    write({ZoneHistory::rowsFor(QTimeZone("Europe/Berlin"))});
    EXPECT_EQ(offsetAt(1, DateTime(1890, 6, 1, 12, 0)), 3208);
    EXPECT_EQ(offsetAt(1, DateTime(1893, 4, 1, 0, 6, 31)), 3208);
    EXPECT_EQ(offsetAt(1, DateTime(1893, 4, 1, 0, 6, 32)), 3600);
    EXPECT_EQ(offsetAt(1, DateTime(2021, 3, 28, 2, 30)), 3600);  // skipped: winter time
    EXPECT_EQ(offsetAt(1, DateTime(2021, 3, 28, 3, 0)), 7200);
    EXPECT_EQ(offsetAt(1, DateTime(2021, 10, 31, 2, 30)), 7200); // repeated: the first, summer time
    EXPECT_EQ(offsetAt(1, DateTime(2021, 10, 31, 3, 0)), 3600);
    EXPECT_EQ(offsetAt(1, DateTime(2099, 7, 1, 12, 0)), 7200);
    EXPECT_EQ(offsetAt(1, DateTime(3000, 7, 1, 12, 0)), 3600);   // past the last row: its offset
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ZoneTables, ZoneIndexFindsZone1And11Apart)
{
    std::vector<std::vector<ZoneHistory::Row>> zones;
    for (int zone = 1; zone <= 12; ++zone)
        zones.push_back({{DateTime(ZoneHistory::FirstYear, 1, 1), {zone * 600, QStringLiteral("Z%1").arg(zone)}}});
    write(zones);
    EXPECT_EQ(offsetAt(1, DateTime(2000, 1, 1)), 600);
    EXPECT_EQ(offsetAt(11, DateTime(2000, 1, 1)), 6600);
    EXPECT_EQ(offsetAt(12, DateTime(2000, 1, 1)), 7200);
}
