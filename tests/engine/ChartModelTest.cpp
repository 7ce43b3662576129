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
    CoordinateAxis axis;
    bool passes;
};

class CoordinateCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CoordinateCheckTest, Checks)
{
    EXPECT_EQ(checkCoordinateText(QString::fromUtf8(GetParam().text), GetParam().axis), GetParam().passes);
}

constexpr CoordinateAxis Lat = CoordinateAxis::Latitude;
constexpr CoordinateAxis Lon = CoordinateAxis::Longitude;

INSTANTIATE_TEST_SUITE_P(
    Texts, CoordinateCheckTest,
    ::testing::Values(CheckCase{"CommaSeparatesMinutes", "52,31", Lat, true},
                      CheckCase{"LimitWithZeroMinutes", "90.00", Lat, true},
                      CheckCase{"LimitWithMinutes", "90.01", Lat, false},
                      CheckCase{"BeyondLimit", "91", Lat, false},
                      CheckCase{"SixtyMinutes", "45.60", Lat, false},
                      CheckCase{"SixtySeconds", "45 10 60", Lat, false},
                      CheckCase{"SecondsIgnoredAtTheLimit", "180.0.30", Lon, true},
                      CheckCase{"LongitudeLimitWithMinutes", "180.1", Lon, false},
                      CheckCase{"HemisphereLetterFirst", "N52 31", Lat, true},
                      CheckCase{"LowerCaseHemisphereBetweenNumbers", "8 e 30", Lon, true},
                      CheckCase{"AsTheDatabaseWritesIt", "51°30'26\" N", Lat, true},
                      CheckCase{"AsTheImportWritesIt", "49°05'00''N", Lat, true},
                      CheckCase{"SouthAndWestAreHemispheres", "33 52 s", Lat, true},
                      CheckCase{"WestLongitude", "58°22' W", Lon, true},
                      CheckCase{"Empty", "", Lat, true},
                      CheckCase{"LettersAreNoCoordinate", "abc", Lat, false},
                      CheckCase{"HemisphereWithoutNumber", "N", Lat, false},
                      CheckCase{"MinusSignWouldComputeAsNorth", "-33 52", Lat, false},
                      CheckCase{"LongitudeLetterInALatitude", "52 31 E", Lat, false},
                      CheckCase{"LatitudeLetterInALongitude", "13 24 N", Lon, false},
                      CheckCase{"TwoHemisphereLetters", "52 N 31 S", Lat, false},
                      CheckCase{"OtherSymbol", "52;31", Lat, false},
                      CheckCase{"EndlessDigits", "9999999999999999999999999999999999999999", Lon, false}),
    [](const auto &info) { return std::string(info.param.name); });

struct TimeZoneCase {
    const char *name;
    const char *text;
    std::optional<double> hours;
};

class TimeZoneTextTest : public ::testing::TestWithParam<TimeZoneCase> {};

TEST_P(TimeZoneTextTest, Reads)
{
    EXPECT_EQ(timeZoneHours(QString::fromUtf8(GetParam().text)), GetParam().hours);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TimeZoneTextTest,
    ::testing::Values(TimeZoneCase{"AsTheDialogWritesIt", "2.0000", 2.0},
                      TimeZoneCase{"DecimalComma", "3,5", 3.5},
                      TimeZoneCase{"NegativeWithBlanks", " -3.5 ", -3.5},
                      TimeZoneCase{"PlusSign", "+5.75", 5.75},
                      TimeZoneCase{"EasternLimit", "14", 14.0},
                      TimeZoneCase{"WesternLimit", "-14.0", -14.0},
                      TimeZoneCase{"BeyondTheLimit", "14.01", std::nullopt},
                      TimeZoneCase{"Letters", "abc", std::nullopt},
                      TimeZoneCase{"NumberThenLetters", "2h", std::nullopt},
                      TimeZoneCase{"Empty", "", std::nullopt},
                      TimeZoneCase{"TwoSeparators", "1.2.3", std::nullopt},
                      TimeZoneCase{"SignAlone", "-", std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });
