#include "storage/AafCalendar.h"
#include "storage/AafFields.h"

#include <gtest/gtest.h>

#include <functional>

using namespace orvel;

namespace {

// Every reader's answer as text, "-" for none, so that one table holds them all.
QString number(std::optional<double> value)
{
    return value ? QString::number(*value, 'f', 6) : QStringLiteral("-");
}

QString dateText(const QString &text)
{
    const std::optional<AafWrittenDate> d = AafFields::date(text);
    if (!d)
        return QStringLiteral("-");
    const char *marks[] = {"", " G", " J"};
    return d->day.text() + QLatin1String(marks[int(d->mark)]);
}

QString timeText(const QString &text)
{
    const std::optional<int> t = AafFields::time(text);
    return t ? QString::number(*t) : QStringLiteral("-");
}

QString daylightText(const QString &text)
{
    const AafDaylight d = AafFields::daylight(text);
    switch (d.kind) {
    case AafDaylight::Kind::Hours:
        return QString::number(d.hours);
    case AafDaylight::Kind::LocalMeanTime:
        return QStringLiteral("LMT");
    case AafDaylight::Kind::NotUnderstood:
        break;
    }
    return QStringLiteral("?");
}

struct FieldCase {
    const char *name;
    std::function<QString(const QString &)> reader;
    const char *text;
    const char *expected;
};

std::ostream &operator<<(std::ostream &os, const FieldCase &c) { return os << c.name; }

const auto Date = dateText;
const auto Time = timeText;
const auto Daylight = daylightText;
const auto Latitude = [](const QString &t) { return number(AafFields::latitude(t)); };
const auto Longitude = [](const QString &t) { return number(AafFields::longitude(t)); };
const auto Zone = [](const QString &t) { return number(AafFields::zone(t)); };
const auto JulianDay = [](const QString &t) { return number(AafFields::julianDay(t)); };

const FieldCase FieldCases[] = {
    {"DateDayMonthYear", Date, "27.9.1970", "27.9.1970"},
    {"DateLeadingZeros", Date, "14.04.1452", "14.4.1452"},
    {"DateGregorianMark", Date, "29.1.1953g", "29.1.1953 G"},
    {"DateGregorianMarkUpperCase", Date, "15.12.1980G", "15.12.1980 G"},
    {"DateJulianMark", Date, "7.10.1582j", "7.10.1582 J"},
    {"DateJulianMarkUpperCase", Date, "7.10.1582J", "7.10.1582 J"},
    {"DateImpossibleDayIsLeftToTheCalendar", Date, "31.2.1980", "31.2.1980"},
    {"DateMarkNotAfterTheYear", Date, "29.1g.1953", "-"},
    {"DateTwoMarks", Date, "29.1.1953gj", "-"},
    {"DateOtherLetter", Date, "29.1.1953x", "-"},
    {"DateNegativeYear", Date, "12.7.-99", "-"},
    {"DateTwoParts", Date, "12.1980", "-"},
    {"DateSlashes", Date, "27/9/1970", "-"},
    {"TimeHour", Time, "19", "68400"},
    {"TimeHourMinute", Time, "11:04", "39840"},
    {"TimeHourMinuteSecond", Time, "11:04:30", "39870"},
    {"TimeLetterForTheFirstColon", Time, "22h30:12", "81012"},
    {"TimeLetterWithMinutes", Time, "22h30", "81000"},
    {"TimeLetterUpperCase", Time, "22H30", "81000"},
    {"TimeLetterAlone", Time, "22h", "-"},
    {"TimeLetterAfterAColon", Time, "22:30h12", "-"},
    {"TimeHour24", Time, "24", "-"},
    {"TimeMinute60", Time, "10:60", "-"},
    {"TimeSecond60", Time, "10:00:60", "-"},
    {"TimeFourParts", Time, "10:00:00:00", "-"},
    {"TimeEmptyPart", Time, "10::00", "-"},
    {"LatitudeNorth", Latitude, "49n05", "49.083333"},
    {"LatitudeSouthWithSeconds", Latitude, "34s36:30", "-34.608333"},
    {"LatitudeBeyondThePole", Latitude, "90n01", "-"},
    {"LatitudeWithoutMinutes", Latitude, "49n", "-"},
    {"LongitudeWestUpperCase", Longitude, "118W15:00", "-118.250000"},
    {"LongitudeBeyond180", Longitude, "180e01", "-"},
    {"ZoneHoursEast", Zone, "1he00", "1.000000"},
    {"ZoneHoursOnly", Zone, "1he", "1.000000"},
    {"ZoneWest", Zone, "5hw", "-5.000000"},
    {"ZoneWithoutHourLetter", Zone, "0e21:48", "0.363333"},
    {"ZoneBeyond15Hours", Zone, "15he01", "-"},
    {"ZoneWithoutDirection", Zone, "1h00", "-"},
    {"DaylightNone", Daylight, "0", "0"},
    {"DaylightOneHour", Daylight, "1", "1"},
    {"DaylightDoubleSummerTime", Daylight, "2", "2"},
    {"DaylightUnknown", Daylight, "*", "0"},
    {"DaylightLocalMeanTime", Daylight, "L", "LMT"},
    {"DaylightLocalMeanTimeLowerCase", Daylight, "l", "LMT"},
    {"DaylightBeyond3Hours", Daylight, "4", "?"},
    {"DaylightNotANumber", Daylight, "nan", "?"},
    {"DaylightLetter", Daylight, "x", "?"},
    {"JulianDay", JulianDay, "2440856.919444", "2440856.919444"},
    {"JulianDayBeforeYear100", JulianDay, "1757583.4", "-"},
    {"JulianDayAfterYear9999", JulianDay, "5373484.5", "-"},
    {"JulianDayText", JulianDay, "tomorrow", "-"},
};

class AafFieldsTest : public testing::TestWithParam<FieldCase> {};

TEST_P(AafFieldsTest, Reads)
{
    const FieldCase &c = GetParam();
    EXPECT_EQ(c.reader(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Fields, AafFieldsTest, testing::ValuesIn(FieldCases),
                         [](const testing::TestParamInfo<FieldCase> &info) { return std::string(info.param.name); });

// Days of both calendars and the Gregorian day each stands for.
struct CalendarCase {
    const char *name;
    CalendarDay day;
    AafCalendar::Calendar calendar;
    std::int64_t dayNumber;
    CalendarDay gregorian;
};

std::ostream &operator<<(std::ostream &os, const CalendarCase &c) { return os << c.name; }

using enum AafCalendar::Calendar;

// Julian day numbers by their definition: 0 is 1.1.-4712 of the Julian calendar
// (24.11.-4713 Gregorian), 2451545 the Gregorian 1.1.2000, and the reform followed
// Thursday 4.10.1582 (Julian) by Friday 15.10.1582 (Gregorian). The other rows' Gregorian
// days follow from the calendars' difference in their century: 9 days in the 15th,
// 10 from March 1500, none in the 3rd, -2 before March 100, 13 since 1900.
const CalendarCase CalendarCases[] = {
    {"JulianDayZero", {-4712, 1, 1}, Julian, 0, {-4713, 11, 24}},
    {"Epoch2000", {2000, 1, 1}, Gregorian, 2451545, {2000, 1, 1}},
    {"LastJulianDay", {1582, 10, 4}, Julian, 2299160, {1582, 10, 14}},
    {"FirstGregorianDay", {1582, 10, 15}, Gregorian, 2299161, {1582, 10, 15}},
    {"JulianDateOfTheReform", {1582, 10, 5}, Julian, 2299161, {1582, 10, 15}},
    {"FifteenthCentury", {1452, 4, 14}, Julian, 2251505, {1452, 4, 23}},
    {"JulianLeapDay1500", {1500, 2, 29}, Julian, 2268992, {1500, 3, 10}},
    {"ThirdCenturyAgrees", {250, 6, 1}, Julian, 1812522, {250, 6, 1}},
    {"Year100", {100, 1, 1}, Julian, 1757583, {99, 12, 30}},
    {"Modern", {1990, 1, 1}, Julian, 2447906, {1990, 1, 14}},
};

class AafCalendarTest : public testing::TestWithParam<CalendarCase> {};

TEST_P(AafCalendarTest, ConvertsThroughTheJulianDayNumber)
{
    const CalendarCase &c = GetParam();
    EXPECT_EQ(AafCalendar::dayNumber(c.day, c.calendar), c.dayNumber);
    EXPECT_EQ(AafCalendar::fromDayNumber(c.dayNumber, c.calendar), c.day);
    EXPECT_EQ(AafCalendar::fromDayNumber(c.dayNumber, Gregorian), c.gregorian);
}

INSTANTIATE_TEST_SUITE_P(Days, AafCalendarTest, testing::ValuesIn(CalendarCases),
                         [](const testing::TestParamInfo<CalendarCase> &info) { return std::string(info.param.name); });

} // namespace

TEST(AafCalendar, EveryDayOfBothCalendarsConvertsBackAndForth)
{
    // From 1.1.100 Gregorian to the end of 9999: each day number names one existing
    // day that gives the number back, and the next number names the next day.
    for (std::int64_t n = 1757585; n < 5373484; ++n) {
        for (const AafCalendar::Calendar calendar : {Gregorian, Julian}) {
            const CalendarDay day = AafCalendar::fromDayNumber(n, calendar);
            ASSERT_TRUE(AafCalendar::exists(day, calendar)) << n;
            ASSERT_EQ(AafCalendar::dayNumber(day, calendar), n) << n;
            const CalendarDay next = AafCalendar::fromDayNumber(n + 1, calendar);
            const bool sameMonth = next.year == day.year && next.month == day.month && next.day == day.day + 1;
            const bool nextMonth = next.day == 1 && !AafCalendar::exists({day.year, day.month, day.day + 1}, calendar)
                && (next.month == day.month + 1 || (next.month == 1 && day.month == 12 && next.year == day.year + 1));
            ASSERT_TRUE(sameMonth || nextMonth) << n;
        }
    }
}

TEST(AafCalendar, LeapDaysOfEachCalendar)
{
    EXPECT_TRUE(AafCalendar::exists({1500, 2, 29}, Julian));
    EXPECT_FALSE(AafCalendar::exists({1500, 2, 29}, Gregorian));
    EXPECT_TRUE(AafCalendar::exists({1600, 2, 29}, Gregorian));
    EXPECT_FALSE(AafCalendar::exists({1501, 2, 29}, Julian));
    EXPECT_FALSE(AafCalendar::exists({1501, 13, 1}, Julian));
    EXPECT_FALSE(AafCalendar::exists({1501, 1, 0}, Julian));
}

TEST(AafCalendar, WritesDaysBeforeTheReformAsJulian)
{
    EXPECT_EQ(AafCalendar::written(DateTime(1452, 4, 23)), (CalendarDay{1452, 4, 14}));
    EXPECT_EQ(AafCalendar::written(DateTime(1582, 10, 14, 23, 59, 59)), (CalendarDay{1582, 10, 4}));
    EXPECT_EQ(AafCalendar::written(DateTime(1582, 10, 15)), (CalendarDay{1582, 10, 15}));
    EXPECT_EQ(AafCalendar::written(DateTime(100, 1, 1)), (CalendarDay{100, 1, 3}));
}

TEST(AafCalendar, JulianDayLocalTimeAndOffsetDetermineEachOther)
{
    // J2000.0, 2000-01-01 12:00 UT, seen from zones on either side of Greenwich.
    struct Case {
        DateTime local;
        double offset;
    };
    const Case cases[] = {{{2000, 1, 1, 12, 0, 0}, 0.0}, {{2000, 1, 1, 13, 0, 0}, 1.0},
                          {{2000, 1, 1, 6, 30, 0}, -5.5}, {{2000, 1, 2, 1, 45, 0}, 13.75}};
    for (const Case &c : cases) {
        const std::int64_t local = c.local.serialSeconds();
        EXPECT_NEAR(AafCalendar::julianDay(local, c.offset), 2451545.0, 1e-9) << c.offset;
        EXPECT_NEAR(AafCalendar::localSeconds(2451545.0, c.offset), double(local), 1e-3) << c.offset;
        EXPECT_NEAR(AafCalendar::impliedOffset(local, 2451545.0), c.offset, 1e-6) << c.offset;
    }
}
