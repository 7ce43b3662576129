#include "engine/ChartSettings.h"
#include "engine/CoordinateText.h"
#include "engine/HoroscopeRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace orvel;

struct CoordinateCase {
    const char *name;
    const char *text;
    double degrees;
};

class CoordinateTextTest : public ::testing::TestWithParam<CoordinateCase> {};

TEST_P(CoordinateTextTest, Parses)
{
    const double expected = GetParam().degrees;
    EXPECT_NEAR(parseCoordinateText(QString::fromUtf8(GetParam().text)), expected, std::max(1e-12, std::abs(expected) * 1e-14));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CoordinateTextTest,
    ::testing::Values(CoordinateCase{"DegreesMinutesSecondsNorth", "52°31'12\" N", 52.52},
                      CoordinateCase{"WestIsNegative", "13°24' W", -13.4},
                      CoordinateCase{"DecimalPointIsASeparator", "52.5", 52 + 5 / 60.0},
                      CoordinateCase{"CommaIsASeparator", "52,5", 52 + 5 / 60.0},
                      CoordinateCase{"Empty", "", 0.0},
                      CoordinateCase{"LowerCaseSouth", "33 55 s", -(33 + 55 / 60.0)},
                      CoordinateCase{"FourthRunIgnored", "10 20 30 40", 10 + 20 / 60.0 + 30 / 3600.0},
                      CoordinateCase{"NoDigits", "north", 0.0},
                      CoordinateCase{"SharpSIsNotSouth", "10 \u00df", 10.0},
                      CoordinateCase{"HugeRunDoesNotOverflow", "99999999999999999999999", 1e23},
                      CoordinateCase{"EndlessRunCountsAsUnparsable", "999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999", 0.0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ChartSettings, DefaultsMatchTheFirstStart)
{
    const ChartSettings s = ChartSettings::defaults();
    EXPECT_EQ(s.signGlyphs[9], 76);
    EXPECT_EQ(s.houseSystem, 1);
    EXPECT_EQ(s.orbs[Sun][0], 9);
    EXPECT_EQ(s.orbs[Midheaven][4], 3);
    EXPECT_EQ(s.planetColours[Sun], rgb(255, 191, 0));
    EXPECT_EQ(rgb(255, 191, 0), 255 + 191 * 256);
    EXPECT_EQ(s.planetGlyphs[Midheaven], 59);
    EXPECT_EQ(s.scoringSwitch, 1);
}

TEST(HoroscopeRecord, DefaultRecordIsDatedNowWithoutPlace)
{
    const HoroscopeRecord r = HoroscopeRecord::createDefault(DateTime(2026, 12, 8, 14, 0, 0));
    EXPECT_EQ(r.name, QStringLiteral("(New Horoscope)"));
    EXPECT_EQ(r.birth, DateTime(2026, 12, 8, 14, 0, 0));
    EXPECT_TRUE(r.city.isEmpty() && r.latitude.isEmpty() && r.longitude.isEmpty());
    EXPECT_EQ(r.deltaGmt, 0.0);
}

struct CheckCase {
    const char *name;
    const char *text;
    int limit;
    bool passes;
};

class CoordinateCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CoordinateCheckTest, Checks)
{
    EXPECT_EQ(checkCoordinateText(QString::fromUtf8(GetParam().text), GetParam().limit), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CoordinateCheckTest,
    ::testing::Values(CheckCase{"CommaSeparatesMinutes", "52,31", 90, true},
                      CheckCase{"LimitWithZeroMinutes", "90.00", 90, true},
                      CheckCase{"LimitWithMinutes", "90.01", 90, false},
                      CheckCase{"BeyondLimit", "91", 90, false},
                      CheckCase{"SixtyMinutes", "45.60", 90, false},
                      CheckCase{"SixtySeconds", "45 10 60", 90, false},
                      CheckCase{"SecondsIgnoredAtTheLimit", "180.0.30", 180, true},
                      CheckCase{"LongitudeLimitWithMinutes", "180.1", 180, false},
                      CheckCase{"LettersOnlySeparate", "N52 31", 90, true},
                      CheckCase{"Empty", "", 90, true},
                      CheckCase{"EndlessDigits", "9999999999999999999999999999999999999999", 180, false}),
    [](const auto &info) { return std::string(info.param.name); });
