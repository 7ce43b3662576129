#include "MaskedDatabase.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

constexpr double Untouched = 99.0;

// A time table holding the rows of one zone, with its zone index.
QByteArray singleZoneTable(int zone, const QByteArray &rows)
{
    QByteArray index;
    qsizetype start = 0;
    do { // the index's own length moves the rows' start
        start = index.size();
        index = QByteArray::number(zone) + '_' + QByteArray::number(start) + " \n";
    } while (index.size() != start);
    return index + rows;
}

struct LookupCase {
    const char *name;
    const char *tableCode;
    int zone;
    DateTime moment;
    double offset;
};

class GetDeltaGMTTest : public ::testing::TestWithParam<LookupCase> {};

// Expected offsets follow by hand from the fixture time tables (tests/data/placedb)
// and the offsets of Zones.txt; the fixtures' dates are illustrative, not history.
TEST_P(GetDeltaGMTTest, FindsTheOffsetInForce)
{
    MaskedDatabase db;
    double offset = Untouched;
    const LookupCase &c = GetParam();
    EXPECT_TRUE(db.open().GetDeltaGMT(c.moment, QString::fromLatin1(c.tableCode), c.zone, offset));
    EXPECT_DOUBLE_EQ(offset, c.offset);
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, GetDeltaGMTTest,
    ::testing::Values(
        LookupCase{"BeforeTheFirstRowItsDesignation", "D", 11, DateTime(1899, 6, 1), 1.0},
        LookupCase{"BetweenTwoRowsTheEarlierOne", "D", 11, DateTime(1916, 6, 1), 2.0},
        LookupCase{"OneSecondBeforeARowsStart", "D", 11, DateTime(1916, 4, 30, 22, 59, 59), 1.0},
        LookupCase{"ExactlyOnARowsStart", "D", 11, DateTime(1916, 4, 30, 23, 0, 0), 2.0},
        LookupCase{"AfterTheLastRowTheLastOne", "D", 11, DateTime(2000, 1, 1), 1.0},
        LookupCase{"KurzRowsAreSkipped", "D", 1, DateTime(1916, 6, 1), 2.0},
        LookupCase{"EarliestRowHandsOverToAnotherTable", "D", 1, DateTime(1880, 1, 1), 0.1558},
        LookupCase{"AfterTheEarliestRowsSuccessor", "D", 1, DateTime(1900, 1, 1), 1.0},
        LookupCase{"SingleEarliestRowIsADesignation", "D", 2, DateTime(1950, 1, 1), 1.0},
        LookupCase{"BeforeTheOpenEndRowTheDatedRows", "NY", 1, DateTime(1870, 1, 1), -4.9333},
        LookupCase{"OpenEndToUsTableDaylightTime", "NY", 1, DateTime(1967, 7, 4, 12, 0, 0), -4.0},
        LookupCase{"OpenEndToUsTableStandardTime", "NY", 1, DateTime(1968, 1, 15), -5.0},
        LookupCase{"OpenEndToUsTableBeforeItsSecondRow", "NY", 1, DateTime(1883, 11, 20), -5.0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LoadZoneSection, ZoneIndexTakesTheFirstOccurrenceOfTheZoneNumber)
{
    MaskedDatabase db;
    PlaceDatabase places = db.open();
    // Ttable_D.txt's index is "1_19 2_153 11_180 ": "1_" also occurs in "11_".
    std::vector<const TimeTableRow *> zone1;
    std::vector<const TimeTableRow *> zone11;
    ASSERT_TRUE(places.LoadZoneSection(QStringLiteral("D"), 1, zone1));
    ASSERT_TRUE(places.LoadZoneSection(QStringLiteral("D"), 11, zone11));
    ASSERT_EQ(zone1.size(), 4u); // the KURZ row is not kept
    EXPECT_TRUE(zone1[0]->startsAtEarliest());
    EXPECT_EQ(zone1[0]->designation, QStringLiteral("F  1"));
    EXPECT_EQ(zone1[3]->start, DateTime(1916, 10, 1, 1, 0, 0));
    ASSERT_EQ(zone11.size(), 3u);
    EXPECT_EQ(zone11[0]->zone, 11);
    EXPECT_EQ(zone11[0]->start, DateTime(1900, 1, 1));
    EXPECT_EQ(zone11[1]->designation, QStringLiteral("MESZ"));
}

TEST(LoadZoneSection, CachedRowsAreAppendedAndSharedWithoutRereading)
{
    MaskedDatabase db;
    PlaceDatabase places = db.open();
    std::vector<const TimeTableRow *> first;
    ASSERT_TRUE(places.LoadZoneSection(QStringLiteral("D"), 11, first));
    db.remove(QStringLiteral("Ttable_D.txt"));

    std::vector<const TimeTableRow *> second = {nullptr};
    ASSERT_TRUE(places.LoadZoneSection(QStringLiteral("D"), 11, second));
    ASSERT_EQ(second.size(), first.size() + 1);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), second.begin() + 1));
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

TEST(GetDeltaGMT, ReadsEachTimeTableSectionOnce)
{
    MaskedDatabase db;
    PlaceDatabase places = db.open();
    double offset = Untouched;
    ASSERT_TRUE(places.GetDeltaGMT(DateTime(1916, 6, 1), QStringLiteral("D"), 11, offset));
    db.remove(QStringLiteral("Ttable_D.txt"));

    offset = Untouched;
    EXPECT_TRUE(places.GetDeltaGMT(DateTime(1920, 1, 1), QStringLiteral("D"), 11, offset));
    EXPECT_DOUBLE_EQ(offset, 1.0);
    EXPECT_TRUE(db.sink.messages.isEmpty());

    // Another zone of the table was never read, and a new object has no cache.
    EXPECT_FALSE(places.GetDeltaGMT(DateTime(1920, 1, 1), QStringLiteral("D"), 1, offset));
    EXPECT_FALSE(db.open().GetDeltaGMT(DateTime(1920, 1, 1), QStringLiteral("D"), 11, offset));
    EXPECT_EQ(db.sink.messages.size(), 2);
}

TEST(GetDeltaGMT, ReadsTheZoneFileOncePerObject)
{
    MaskedDatabase db;
    PlaceDatabase places = db.open();
    double offset = Untouched;
    ASSERT_TRUE(places.GetDeltaGMT(DateTime(1916, 6, 1), QStringLiteral("D"), 11, offset));
    EXPECT_DOUBLE_EQ(offset, 2.0);
    db.remove(QStringLiteral("Zones.txt"));

    offset = Untouched;
    EXPECT_TRUE(places.GetDeltaGMT(DateTime(1920, 1, 1), QStringLiteral("D"), 11, offset));
    EXPECT_DOUBLE_EQ(offset, 1.0);
    EXPECT_TRUE(db.sink.messages.isEmpty());
    EXPECT_FALSE(db.open().GetDeltaGMT(DateTime(1920, 1, 1), QStringLiteral("D"), 11, offset));
    EXPECT_EQ(db.sink.messages.size(), 1);
}

TEST(GetDeltaGMT, FirstRecordOfADesignationCounts)
{
    MaskedDatabase db;
    db.write(QStringLiteral("Zones.txt"), "MEZ\tfirst\t1.5\r\nMEZ\tsecond\t3.0\r\nMESZ\t\t2.0\r\n");
    double offset = Untouched;
    ASSERT_TRUE(db.open().GetDeltaGMT(DateTime(1920, 1, 1), QStringLiteral("D"), 11, offset));
    EXPECT_DOUBLE_EQ(offset, 1.5);
}

TEST(GetDeltaGMT, ZoneWithoutIndexEntryIsNotCached)
{
    MaskedDatabase db;
    PlaceDatabase places = db.open();
    double offset = Untouched;
    std::vector<const TimeTableRow *> rows;
    EXPECT_TRUE(places.LoadZoneSection(QStringLiteral("D"), 3, rows));
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(places.GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("D"), 3, offset));
    EXPECT_EQ(offset, Untouched);

    db.remove(QStringLiteral("Ttable_D.txt"));
    EXPECT_FALSE(places.GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("D"), 3, offset));
    EXPECT_EQ(db.sink.messages.size(), 1);
}

TEST(GetDeltaGMT, DesignationWithoutZoneRecordLeavesTheOffset)
{
    MaskedDatabase db;
    db.write(QStringLiteral("Ttable_Q.txt"), singleZoneTable(1, "Q\t1\t01.01.1900 00:00:00\tXYZ\r\n"));
    double offset = Untouched;
    EXPECT_TRUE(db.open().GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("Q"), 1, offset));
    EXPECT_EQ(offset, Untouched);
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

TEST(GetDeltaGMT, EmptyTableCodeOpensNothing)
{
    RecordingMessageSink sink;
    PlaceDatabase places(QStringLiteral("/nonexistent/OrvelDB"), QString(), sink);
    double offset = Untouched;
    EXPECT_TRUE(places.GetDeltaGMT(DateTime(1950, 1, 1), QString(), 1, offset));
    EXPECT_EQ(offset, Untouched);
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST(GetDeltaGMT, MissingFilesAreReportedByName)
{
    MaskedDatabase db;
    double offset = Untouched;
    EXPECT_FALSE(db.open().GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("ZZ"), 1, offset));
    db.remove(QStringLiteral("Zones.txt"));
    EXPECT_FALSE(db.open().GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("D"), 11, offset));
    EXPECT_EQ(offset, Untouched);
    ASSERT_EQ(db.sink.messages.size(), 2);
    EXPECT_TRUE(db.sink.messages[0].contains(QStringLiteral("Ttable_ZZ.txt")));
    EXPECT_TRUE(db.sink.messages[1].contains(QStringLiteral("Zones.txt")));
}

TEST(GetDeltaGMT, InvalidMomentFails)
{
    MaskedDatabase db;
    double offset = Untouched;
    EXPECT_FALSE(db.open().GetDeltaGMT(DateTime(2000, 2, 30), QStringLiteral("D"), 11, offset));
    EXPECT_EQ(offset, Untouched);
}

TEST(GetDeltaGMT, RedirectionCycleEndsAsAFailure)
{
    MaskedDatabase db;
    db.write(QStringLiteral("Ttable_CA.txt"),
             singleZoneTable(1, "CA\t1\t01.01.01 00:00:00\tCB  1\r\nCA\t1\t01.01.1900 00:00:00\tMEZ\r\n"));
    db.write(QStringLiteral("Ttable_CB.txt"),
             singleZoneTable(1, "CB\t1\t01.01.01 00:00:00\tCA  1\r\nCB\t1\t01.01.1900 00:00:00\tMEZ\r\n"));
    double offset = Untouched;
    EXPECT_FALSE(db.open().GetDeltaGMT(DateTime(1850, 1, 1), QStringLiteral("CA"), 1, offset));
    EXPECT_EQ(offset, Untouched);
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

TEST(GetDeltaGMT, LongChainOfRedirectionsIsFollowed)
{
    MaskedDatabase db;
    // C1 hands over to C2, ... C9 to D zone 11; D's rows give MEZ for 1899.
    for (int i = 1; i <= 9; ++i) {
        const QByteArray code = "C" + QByteArray::number(i);
        const QByteArray next = i < 9 ? "C" + QByteArray::number(i + 1) + "  1" : QByteArray("D 11");
        db.write(QString::fromLatin1("Ttable_" + code + ".txt"),
                 singleZoneTable(1, code + "\t1\t01.01.01 00:00:00\t" + next + "\r\n" + code
                                        + "\t1\t01.01.1990 00:00:00\tMESZ\r\n"));
    }
    double offset = Untouched;
    EXPECT_TRUE(db.open().GetDeltaGMT(DateTime(1899, 1, 1), QStringLiteral("C1"), 1, offset));
    EXPECT_DOUBLE_EQ(offset, 1.0);
}

struct StartTextCase {
    const char *name;
    QByteArray startText;
};

class MalformedStartTest : public ::testing::TestWithParam<StartTextCase> {};

TEST_P(MalformedStartTest, FailsSilentlyAndCachesNothing)
{
    MaskedDatabase db;
    const QByteArray good = "M\t1\t01.01.1900 00:00:00\tMEZ\r\n";
    db.write(QStringLiteral("Ttable_M.txt"), singleZoneTable(1, good + "M\t1\t" + GetParam().startText + "\tMESZ\r\n"));
    PlaceDatabase places = db.open();
    double offset = Untouched;
    EXPECT_FALSE(places.GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("M"), 1, offset));
    EXPECT_EQ(offset, Untouched);
    EXPECT_TRUE(db.sink.messages.isEmpty());
    ASSERT_EQ(db.sink.diagnostics.size(), 1);
    EXPECT_TRUE(db.sink.diagnostics[0].contains(QStringLiteral("Ttable_M.txt"))) << qPrintable(db.sink.diagnostics[0]);
    EXPECT_TRUE(db.sink.diagnostics[0].contains(QStringLiteral("zone 1"))) << qPrintable(db.sink.diagnostics[0]);

    db.write(QStringLiteral("Ttable_M.txt"), singleZoneTable(1, good));
    EXPECT_TRUE(places.GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("M"), 1, offset));
    EXPECT_DOUBLE_EQ(offset, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MalformedStartTest,
    ::testing::Values(StartTextCase{"TooShort", "1.1.1950 00:00:00"}, StartTextCase{"TooLong", "01.01.1950 00:00:000"},
                      StartTextCase{"Empty", ""}, StartTextCase{"MonthThirteen", "01.13.1950 00:00:00"},
                      StartTextCase{"DayThirtyTwo", "32.01.1950 00:00:00"},
                      StartTextCase{"FebruaryThirtieth", "30.02.1950 00:00:00"},
                      StartTextCase{"HourTwentyFive", "01.01.1950 25:00:00"},
                      StartTextCase{"YearOutsideTheCalendar", "01.01.0001 00:00:00"},
                      StartTextCase{"Letters", "ab.cd.efgh ij:kl:mn"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DesktopVariant, KnowsNoEarliestMoment)
{
    MaskedDatabase db;
    double offset = Untouched;
    EXPECT_FALSE(db.open(PlaceDatabase::Variant::Desktop).GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("D"), 1, offset));
    EXPECT_EQ(offset, Untouched);
    EXPECT_TRUE(db.sink.messages.isEmpty());
    EXPECT_TRUE(db.open(PlaceDatabase::Variant::Desktop).GetDeltaGMT(DateTime(1916, 6, 1), QStringLiteral("D"), 11, offset));
    EXPECT_DOUBLE_EQ(offset, 2.0);
}

TEST(DesktopVariant, ReadsLongerStartTextsByPosition)
{
    MaskedDatabase db;
    db.write(QStringLiteral("Ttable_L.txt"), singleZoneTable(1, "L\t1\t01.01.1900 00:00:00 CET\tMEZ\r\n"));
    double offset = Untouched;
    EXPECT_TRUE(db.open(PlaceDatabase::Variant::Desktop).GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("L"), 1, offset));
    EXPECT_DOUBLE_EQ(offset, 1.0);
    EXPECT_FALSE(db.open().GetDeltaGMT(DateTime(1950, 1, 1), QStringLiteral("L"), 1, offset));
}

TEST(DesktopVariant, UsTablesGiveNoPrefix)
{
    MaskedDatabase db;
    double offset = Untouched;
    // The key is "DT" alone, which Zones.txt does not hold.
    EXPECT_TRUE(db.open(PlaceDatabase::Variant::Desktop).GetDeltaGMT(DateTime(1967, 7, 4, 12, 0, 0), QStringLiteral("NY"), 1, offset));
    EXPECT_EQ(offset, Untouched);
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

} // namespace
