#include "engine/AspectSearch.h"
#include "engine/ChartCommands.h"
#include "engine/ChartMath.h"
#include "engine/CoordinateText.h"
#include "engine/Ephemeris.h"
#include "engine/OffsetLookup.h"
#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"

#include <QDate>
#include <gtest/gtest.h>

#include <cmath>

using namespace orvel;

namespace {

// A stand-in for the place database: a fixed offset everywhere (or a failing lookup),
// and the moments it was asked for.
class FixedOffsets : public OffsetLookup {
public:
    bool offsetAt(const ChartPlace &, const DateTime &local, double &offset) override
    {
        moments.push_back(local);
        if (fail)
            return false;
        offset = 1.0;
        return true;
    }
    static ChartPlace berlin() { return {"Berlin", "Germany", "52°31' N", "13°24' E", "D", 1}; }

    std::vector<DateTime> moments;
    bool fail = false;
};

HoroscopeRecord horoscope(const char *name, const DateTime &birth, double deltaGmt, const char *latitude,
                          const char *longitude, const char *country = "", const char *city = "")
{
    HoroscopeRecord r = HoroscopeRecord::createDefault(birth);
    r.name = QString::fromUtf8(name);
    r.deltaGmt = deltaGmt;
    r.latitude = QString::fromUtf8(latitude);
    r.longitude = QString::fromUtf8(longitude);
    r.country = QString::fromUtf8(country);
    r.city = QString::fromUtf8(city);
    return r;
}

class ChartCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Ephemeris::setDataFolder(QStringLiteral(ORVEL_EPHE_DIR));
        clock.fix(DateTime(2026, 12, 8, 12, 0, 0));
        clock.fixZone(QTimeZone("America/New_York")); // UT - 5 h in December
    }

    ChartSlot computedAlone(const HoroscopeRecord &record)
    {
        RecordingMessageSink quiet;
        ChartEngine alone(quiet);
        alone.computeChart(record, settings);
        return alone.slot(0);
    }

    RecordingMessageSink ui;
    ChartEngine engine{ui};
    ChartSettings settings = ChartSettings::defaults();
    Clock clock;
    FixedOffsets places;
    std::vector<HoroscopeRecord> horoscopes{
        horoscope("First", DateTime(1980, 4, 12, 9, 15, 0), 2.0, "52°31' N", "13°24' E", "Germany", "Berlin"),
        horoscope("Second", DateTime(1991, 11, 3, 22, 40, 0), -3.0, "34°36' S", "58°22' W", "Argentina", "Buenos Aires")};
    ChartCommands commands{engine, horoscopes, settings, clock, places, ui};
};

} // namespace

TEST(ChartMath, ModifiedJulianDayReferencePoints)
{
    EXPECT_DOUBLE_EQ(modifiedJulianDay(17, 11, 1858, 0), 0);
    EXPECT_DOUBLE_EQ(modifiedJulianDay(1, 1, 2000, 12), 51544.5);
    // Proleptic Gregorian like every stored date: no calendar switch in October 1582,
    // and 1500 has no 29 February.
    EXPECT_DOUBLE_EQ(modifiedJulianDay(4, 10, 1582, 0) + 11, modifiedJulianDay(15, 10, 1582, 0));
    EXPECT_DOUBLE_EQ(modifiedJulianDay(28, 2, 1500, 0) + 1, modifiedJulianDay(1, 3, 1500, 0));
}

TEST(ChartMath, DayCountIsQtsGregorianDayCountOverTheStoredYears)
{
    // QDate counts Julian days in the proleptic Gregorian calendar; MJD = JD - 2400001 at 0h.
    for (QDate date(100, 1, 1); date <= QDate(9999, 12, 31); date = date.addDays(1)) {
        const double mjd = modifiedJulianDay(date.day(), date.month(), date.year(), 6);
        ASSERT_DOUBLE_EQ(mjd, double(date.toJulianDay() - 2400001) + 0.25) << date.toString(Qt::ISODate).toStdString();
        const CalendarMoment back = fromModifiedJulianDay(mjd);
        ASSERT_EQ(QDate(back.year, back.month, back.day), date) << date.toString(Qt::ISODate).toStdString();
    }
}

TEST(ChartMath, InverseRestoresTheDate)
{
    for (const CalendarMoment c : {CalendarMoment{29, 2, 2024, 18.5}, CalendarMoment{1, 1, 1800, 0.25},
                                   CalendarMoment{31, 12, 2399, 23.75}, CalendarMoment{1, 3, 1500, 6}}) {
        const CalendarMoment back = fromModifiedJulianDay(modifiedJulianDay(c.day, c.month, c.year, c.hours));
        EXPECT_EQ(back.day, c.day);
        EXPECT_EQ(back.month, c.month);
        EXPECT_EQ(back.year, c.year);
        EXPECT_NEAR(back.hours, c.hours, 1e-6);
    }
    const CalendarMoment runOn = fromModifiedJulianDay(modifiedJulianDay(29, 2, 2023, 0));
    EXPECT_EQ(runOn.day, 1);
    EXPECT_EQ(runOn.month, 3);
}

TEST(ChartMath, MidpointTakesTheNearerSide)
{
    EXPECT_DOUBLE_EQ(midpoint(350, 10), 0);
    EXPECT_DOUBLE_EQ(midpoint(10, 190), 100);
    EXPECT_DOUBLE_EQ(midpoint(100, 300), 20);
    EXPECT_DOUBLE_EQ(midpoint(20, 40), 30);
}

TEST(ChartMath, WheelAngleFoldsIntoOneTurnFromTheAscendant)
{
    EXPECT_DOUBLE_EQ(wheelAngle(100, 100), 0);      // the AC itself lies at angle 0
    EXPECT_DOUBLE_EQ(wheelAngle(10, 350), 20);      // across Aries 0
    EXPECT_DOUBLE_EQ(wheelAngle(350, 10), 340);
    EXPECT_DOUBLE_EQ(wheelAngle(725, 0), 5);        // beyond one turn
    EXPECT_DOUBLE_EQ(wheelAngle(-725, 0), 355);
    EXPECT_DOUBLE_EQ(wheelAngle(-1e-20, 0), 0);     // never a whole turn
    EXPECT_TRUE(std::isnan(wheelAngle(std::nan(""), 0)));
}

TEST_F(ChartCommandsTest, RadixChartsUseTheirOwnSlots)
{
    commands.showRadixII();
    EXPECT_EQ(engine.currentSlot(), 1);
    EXPECT_EQ(commands.mode(), ChartMode::RadixII);
    EXPECT_EQ(engine.slot(1).longitude, computedAlone(horoscopes[1]).longitude);
    EXPECT_EQ(engine.slot(0).longitude, ChartSlot().longitude);

    commands.showRadixI();
    EXPECT_EQ(engine.currentSlot(), 0);
    EXPECT_EQ(engine.slot(0).longitude, computedAlone(horoscopes[0]).longitude);
}

TEST_F(ChartCommandsTest, CompositeHoldsTheMidpointsInSlotTwo)
{
    commands.showComposite();
    EXPECT_EQ(engine.currentSlot(), 2);
    EXPECT_EQ(commands.mode(), ChartMode::Composite);
    for (int p = 0; p < PointCount; ++p)
        EXPECT_DOUBLE_EQ(engine.slot(2).longitude[p], midpoint(engine.slot(0).longitude[p], engine.slot(1).longitude[p]));
    for (int h = 0; h < HouseCount; ++h)
        EXPECT_DOUBLE_EQ(engine.slot(2).cusp[h], midpoint(engine.slot(0).cusp[h], engine.slot(1).cusp[h]));
    std::vector<AspectCode> expected;
    AspectSearch::search(engine.slot(2), engine.slot(2), settings, expected);
    EXPECT_EQ(engine.aspects(), expected);
}

TEST_F(ChartCommandsTest, SynastryComparesTheTwoCharts)
{
    commands.showSynastry();
    EXPECT_EQ(engine.currentSlot(), 0);
    std::vector<AspectCode> expected;
    AspectSearch::search(engine.slot(0), engine.slot(1), settings, expected);
    EXPECT_EQ(engine.aspects(), expected);
    EXPECT_FALSE(expected.empty());
}

TEST_F(ChartCommandsTest, TransitOfTheSecondHoroscopeKeepsSlotOne)
{
    commands.showRadixII();
    commands.showTransit();
    EXPECT_EQ(engine.currentSlot(), 1);
    EXPECT_EQ(commands.mode(), ChartMode::Transit);
    EXPECT_EQ(engine.slot(0).longitude, computedAlone(horoscopes[1]).longitude);
    HoroscopeRecord now = horoscopes[1];
    now.birth = clock.now();
    now.deltaGmt = -5.0;
    EXPECT_EQ(engine.slot(1).longitude, computedAlone(now).longitude);
}

// "Now" is the computer's present moment: the birth place's zone (Berlin, UT + 1 in
// the fake database) must not shift it.
TEST_F(ChartCommandsTest, TransitTakesNowInTheComputersZoneNotTheBirthPlaces)
{
    commands.showRadixI();
    commands.showTransit();
    EXPECT_EQ(engine.currentSlot(), 0);
    EXPECT_TRUE(places.moments.empty());
    HoroscopeRecord now = horoscopes[0];
    now.birth = clock.now();
    now.deltaGmt = -5.0;
    EXPECT_EQ(engine.slot(1).longitude, computedAlone(now).longitude);
}

// Slot 2 holds the composite, no horoscope of the list: Transit and Solar start from
// Radix I's horoscope instead of reading past the list.
TEST_F(ChartCommandsTest, TransitAndSolarAfterCompositeStartFromRadixI)
{
    commands.showComposite();
    commands.showTransit();
    EXPECT_EQ(engine.slot(0).longitude, computedAlone(horoscopes[0]).longitude);
    EXPECT_EQ(engine.currentSlot(), 0);

    commands.showComposite();
    EXPECT_TRUE(commands.showSolar(2030, FixedOffsets::berlin()));
    EXPECT_EQ(commands.mode(), ChartMode::Solar);
    EXPECT_EQ(engine.currentSlot(), 0);
}

TEST_F(ChartCommandsTest, SolarReturnFindsTheNatalSunToTheMinute)
{
    commands.showRadixI();
    const double natalSun = engine.slot(0).longitude[Sun];
    ASSERT_TRUE(commands.showSolar(2030, FixedOffsets::berlin()));
    EXPECT_EQ(commands.mode(), ChartMode::Solar);
    EXPECT_EQ(places.moments.size(), 19u);
    EXPECT_EQ(engine.slot(2).longitude[Sun], natalSun);
    // The Sun moves about 2.5 arc seconds per minute and the positions ignore seconds.
    EXPECT_NEAR(AspectSearch::distance(engine.slot(0).longitude[Sun], natalSun), 0, 3.0 / 3600);
    EXPECT_EQ(commands.solarMoment().year(), 2030);
    EXPECT_EQ(commands.solarMoment().month(), 4);
    EXPECT_EQ(ui.busyOn, 1);
    EXPECT_EQ(ui.busyOff, 1);
}

TEST_F(ChartCommandsTest, SolarOfALeapDayBirthStartsOnTheFirstOfMarch)
{
    horoscopes[0] = horoscope("Leap", DateTime(1996, 2, 29, 12, 0, 0), 1.0, "52 N", "13 E");
    commands.showRadixI();
    const double natalSun = engine.slot(0).longitude[Sun];
    ASSERT_TRUE(commands.showSolar(2023, FixedOffsets::berlin()));
    EXPECT_EQ(places.moments.front(), DateTime(2023, 3, 1, 12, 0, 0));
    EXPECT_NEAR(AspectSearch::distance(engine.slot(0).longitude[Sun], natalSun), 0, 3.0 / 3600);
}

TEST_F(ChartCommandsTest, SolarNearZeroDegreesDoesNotRunAway)
{
    // A natal Sun just before 0 Aries: the difference must be folded into -180..180.
    horoscopes[0] = horoscope("Equinox", DateTime(2000, 3, 20, 6, 0, 0), 0.0, "0 N", "0 E");
    commands.showRadixI();
    const double natalSun = engine.slot(0).longitude[Sun];
    ASSERT_GT(natalSun, 359.0);
    ASSERT_TRUE(commands.showSolar(2001, FixedOffsets::berlin()));
    EXPECT_NEAR(AspectSearch::distance(engine.slot(0).longitude[Sun], natalSun), 0, 3.0 / 3600);
}

TEST_F(ChartCommandsTest, FailedSolarLookupChangesNeitherModeNorSolarPlace)
{
    commands.showRadixI();
    places.fail = true;
    EXPECT_FALSE(commands.showSolar(2030, FixedOffsets::berlin()));
    EXPECT_EQ(commands.mode(), ChartMode::RadixI);
    EXPECT_FALSE(commands.solarPlace().has_value());
    EXPECT_EQ(ui.busyOff, 1);
}

namespace {

struct SolarResult {
    DateTime moment;
    ChartSlot slot;
};

// The solar return search as it was first written: every body at every step of the
// bisection, the houses and levels at the end. The reference for the faster search.
SolarResult searchWithEveryBody(const HoroscopeRecord &natal, int year, const ChartPlace &place,
                                const ChartSettings &settings)
{
    RecordingMessageSink quiet;
    ChartEngine e(quiet);
    e.computeChart(natal, settings);
    const double natalSun = e.slot(0).longitude[Sun];
    const double longitude = parseCoordinateText(place.longitude);
    const double latitude = parseCoordinateText(place.latitude);
    double t = modifiedJulianDay(natal.birth.day(), natal.birth.month(), year,
                                 natal.birth.hour() + natal.birth.minute() / 60.0 + natal.birth.second() / 3600.0);
    double step = 4.0;
    DateTime moment;
    do {
        const CalendarMoment c = fromModifiedJulianDay(t);
        const int h = static_cast<int>(c.hours);
        const double minutes = (c.hours - h) * 60;
        const int m = static_cast<int>(minutes);
        moment = DateTime(c.year, c.month, c.day, h, m, static_cast<int>((minutes - m) * 60));
        e.computePositions(moment, 1.0);
        double diff = natalSun - e.slot(0).longitude[Sun];
        diff += diff > 180 ? -360 : diff < -180 ? 360 : 0;
        step = diff > 0 ? std::abs(step) / 2 : -std::abs(step) / 2;
        t += step;
    } while (std::abs(step) >= 1.0 / 86400.0);
    e.computeHouses(moment, 1.0, longitude, latitude, settings.houseSystem);
    e.computeGlyphLevels();
    return {moment, e.slot(0)};
}

} // namespace

// Forty births spread over 1900 to 2060 at all hours, each returned in five or six years
// from 1950 to 2100: the Sun-only search ends at the same moment with the same chart, to the bit.
TEST_F(ChartCommandsTest, SolarSearchOfTheSunAloneGivesTheSameMomentAndChart)
{
    int searches = 0;
    for (int i = 0; i < 40; ++i) {
        const DateTime birth(1900 + i * 4, 1 + (i * 5) % 12, 1 + (i * 7) % 28, (i * 5) % 24, (i * 13) % 60, (i * 17) % 60);
        horoscopes[0] = horoscope("Natal", birth, (i % 7) - 3.0, "48 08 N", "11 34 E");
        for (int year = 1950 + i % 30; year <= 2100; year += 30) {
            const SolarResult expected = searchWithEveryBody(horoscopes[0], year, FixedOffsets::berlin(), settings);
            commands.showRadixI();
            ASSERT_TRUE(commands.showSolar(year, FixedOffsets::berlin()));
            const ChartSlot &slot = engine.slot(engine.currentSlot());
            SCOPED_TRACE(birth.toText().toStdString() + " in " + std::to_string(year));
            EXPECT_EQ(commands.solarMoment(), expected.moment);
            EXPECT_EQ(slot.longitude, expected.slot.longitude);
            EXPECT_EQ(slot.speed, expected.slot.speed);
            EXPECT_EQ(slot.cusp, expected.slot.cusp);
            EXPECT_EQ(slot.level, expected.slot.level);
            ++searches;
        }
    }
    EXPECT_EQ(searches, 202);
    EXPECT_TRUE(ui.messages.isEmpty());
}

namespace {

// A command that the ephemeris refuses in the year 9000, with the horoscope that holds
// that year and the chart shown before it.
struct RefusedCase {
    const char *name;
    bool (ChartCommands::*show)();
    int refusedEntry;
};
void PrintTo(const RefusedCase &c, std::ostream *os) { *os << c.name; }

class RefusedChartTest : public ChartCommandsTest, public testing::WithParamInterface<RefusedCase> {};

bool solarInBerlin(ChartCommands &commands) { return commands.showSolar(2030, FixedOffsets::berlin()); }

} // namespace

TEST_P(RefusedChartTest, FailsAsAWholeAfterOneMessage)
{
    ASSERT_TRUE(commands.showRadixI());
    ASSERT_TRUE(commands.showRadixII());
    ASSERT_TRUE(commands.showComposite());
    ASSERT_TRUE(commands.showRadixI());
    const ChartEngine::Tables before = engine.tables();
    horoscopes[GetParam().refusedEntry].birth = DateTime(9000, 6, 1, 12, 0, 0);

    EXPECT_FALSE((commands.*GetParam().show)());
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(commands.mode(), ChartMode::RadixI);
    EXPECT_EQ(engine.currentSlot(), 0);
    EXPECT_EQ(engine.aspects(), before.aspects);
    for (int s = 0; s < SlotCount; ++s) {
        EXPECT_EQ(engine.slot(s).longitude, before.chartSlots[s].longitude) << "slot " << s;
        EXPECT_EQ(engine.slot(s).cusp, before.chartSlots[s].cusp) << "slot " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RefusedChartTest,
    testing::Values(RefusedCase{"RadixI", &ChartCommands::showRadixI, 0},
                    RefusedCase{"RadixII", &ChartCommands::showRadixII, 1},
                    RefusedCase{"CompositeSecondHoroscope", &ChartCommands::showComposite, 1},
                    RefusedCase{"SynastrySecondHoroscope", &ChartCommands::showSynastry, 1},
                    RefusedCase{"Transit", &ChartCommands::showTransit, 0},
                    RefusedCase{"Recompute", &ChartCommands::recompute, 0}),
    [](const testing::TestParamInfo<RefusedCase> &info) { return std::string(info.param.name); });

TEST_F(ChartCommandsTest, RefusedSolarKeepsTheChartAndTheSolarPlace)
{
    ASSERT_TRUE(solarInBerlin(commands));
    const DateTime moment = commands.solarMoment();
    const ChartEngine::Tables before = engine.tables();
    // The search runs into the year 9000 through the Sun's side of the natal Sun.
    EXPECT_FALSE(commands.showSolar(9000, FixedOffsets::berlin()));
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(commands.mode(), ChartMode::Solar);
    EXPECT_EQ(commands.solarMoment(), moment);
    EXPECT_EQ(engine.slot(engine.currentSlot()).longitude, before.chartSlots[before.currentSlot].longitude);
    EXPECT_EQ(engine.aspects(), before.aspects);
}

TEST_F(ChartCommandsTest, NoChartUntilACommandSucceeds)
{
    horoscopes[0].birth = DateTime(9000, 6, 1, 12, 0, 0);
    EXPECT_FALSE(commands.showRadixI());
    EXPECT_FALSE(commands.hasChart());
    EXPECT_EQ(engine.slot(0).longitude, ChartSlot().longitude);
    EXPECT_TRUE(commands.showRadixII());
    EXPECT_TRUE(commands.hasChart());
}
