#include "engine/ChartEngine.h"
#include "engine/Ephemeris.h"
#include "engine/GlyphLevels.h"
#include "platform/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orvel;

namespace {

class ChartEngineTest : public ::testing::Test {
protected:
    void SetUp() override { Ephemeris::setDataFolder(QStringLiteral(ORVEL_EPHE_DIR)); }

    RecordingMessageSink sink;
    ChartEngine engine{sink};
    ChartSettings settings = ChartSettings::defaults();
};

HoroscopeRecord record(const DateTime &birth, double deltaGmt, const char *latitude = "", const char *longitude = "")
{
    HoroscopeRecord r = HoroscopeRecord::createDefault(birth);
    r.deltaGmt = deltaGmt;
    r.latitude = QString::fromUtf8(latitude);
    r.longitude = QString::fromUtf8(longitude);
    return r;
}

} // namespace

TEST_F(ChartEngineTest, UniversalTimeBeforeMidnightRunsIntoThePreviousDay)
{
    engine.computeChart(record(DateTime(2001, 5, 2, 0, 30, 0), 1.0), settings);
    const ChartSlot shifted = engine.slot(0);
    engine.computeChart(record(DateTime(2001, 5, 1, 23, 30, 0), 0.0), settings);
    EXPECT_EQ(shifted.longitude, engine.slot(0).longitude);
    EXPECT_EQ(shifted.cusp, engine.slot(0).cusp);
}

TEST_F(ChartEngineTest, SecondsOfTheBirthTimeAreIgnored)
{
    engine.computeChart(record(DateTime(1990, 3, 3, 12, 0, 59), 0.0, "48 N", "2 E"), settings);
    const ChartSlot withSeconds = engine.slot(0);
    engine.computeChart(record(DateTime(1990, 3, 3, 12, 0, 0), 0.0, "48 N", "2 E"), settings);
    EXPECT_EQ(withSeconds.longitude, engine.slot(0).longitude);
}

TEST_F(ChartEngineTest, UnknownHouseSystemComputesPlacidus)
{
    const HoroscopeRecord r = record(DateTime(1975, 6, 1, 8, 0, 0), 2.0, "50 N", "8 E");
    settings.houseSystem = 9;
    engine.computeChart(r, settings);
    const ChartSlot fallback = engine.slot(0);
    settings.houseSystem = 1;
    engine.computeChart(r, settings);
    EXPECT_EQ(fallback.cusp, engine.slot(0).cusp);
    EXPECT_EQ(engine.slot(0).longitude[Ascendant], engine.slot(0).cusp[0]);
}

TEST_F(ChartEngineTest, WritesOnlyTheCurrentSlot)
{
    engine.setCurrentSlot(2);
    engine.computeChart(record(DateTime(1975, 6, 1, 8, 0, 0), 0.0), settings);
    EXPECT_NE(engine.slot(2).longitude[Sun], 0.0);
    EXPECT_EQ(engine.slot(0).longitude, ChartSlot().longitude);
    EXPECT_EQ(engine.slot(1).cusp, ChartSlot().cusp);
}

TEST_F(ChartEngineTest, EphemerisErrorIsShownOnceAndLeavesTheRestUnchanged)
{
    engine.computeChart(record(DateTime(2000, 1, 1, 12, 0, 0), 0.0), settings);
    const ChartSlot before = engine.slot(0);
    // Far outside every ephemeris the library has: the first body already fails.
    engine.computePositions(DateTime(2000, 1, 1, 12, 0, 0), 24.0 * 365.25 * 20000);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_FALSE(sink.messages[0].isEmpty());
    EXPECT_EQ(engine.slot(0).longitude, before.longitude);
}

TEST_F(ChartEngineTest, MissingEphemerisFilesStillGiveAChart)
{
    Ephemeris::setDataFolder(QStringLiteral("/nonexistent-ephemeris-folder"));
    engine.computeChart(record(DateTime(2000, 1, 1, 12, 0, 0), 0.0), settings);
    // The library falls back to its analytical (Moshier) ephemeris. Reference:
    // swetest -b1.1.2000 -ut12:00 -p0 -fl -emos -head (Swiss Ephemeris 2.10.03) prints
    // 280.3689197; its 7 decimals allow 1e-6 degrees.
    EXPECT_NEAR(engine.slot(0).longitude[Sun], 280.3689197, 1e-6);
}

struct LevelCase {
    const char *name;
    std::vector<std::pair<int, double>> longitudes; // points not named stand at 100 + 15 * index
    std::vector<std::pair<int, int>> levels;
};

class GlyphLevelTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(GlyphLevelTest, SpreadsCloseGlyphs)
{
    ChartSlot slot;
    for (int p = 0; p < PointCount; ++p)
        slot.longitude[p] = 100 + 15 * p; // far apart, all level 0
    for (const auto &[point, longitude] : GetParam().longitudes)
        slot.longitude[point] = longitude;
    GlyphLevels::compute(slot);
    for (const auto &[point, level] : GetParam().levels)
        EXPECT_EQ(slot.level[point], level) << PointNames[point];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GlyphLevelTest,
    ::testing::Values(
        LevelCase{"TenDegreesApartAreClose", {{Sun, 10}, {Moon, 20}}, {{Sun, 0}, {Moon, 1}}},
        LevelCase{"JustOverTenAreNot", {{Sun, 10}, {Moon, 20.01}}, {{Sun, 0}, {Moon, 0}}},
        LevelCase{"FourInARowCycleLevels", {{Mars, 1}, {Venus, 5}, {Sun, 9}, {Moon, 13}},
                  {{Mars, 0}, {Venus, 1}, {Sun, 2}, {Moon, 0}}},
        LevelCase{"NoWrapAroundAtZero", {{Sun, 359}, {Moon, 1}}, {{Sun, 0}, {Moon, 0}}},
        LevelCase{"EqualLongitudesInIndexOrder", {{Moon, 50}, {Sun, 50}}, {{Sun, 0}, {Moon, 1}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ChartEngineTest, AbsurdCoordinatesStillGiveFiniteCusps)
{
    for (const QString &text : {QString(400, u'9'), QStringLiteral("999 99 99"), QStringLiteral("91 N")}) {
        HoroscopeRecord r = record(DateTime(2000, 1, 1, 12, 0, 0), 0.0);
        r.latitude = text;
        r.longitude = text;
        engine.computeChart(r, settings);
        for (const double cusp : engine.slot(0).cusp)
            EXPECT_TRUE(std::isfinite(cusp)) << text.left(10).toStdString();
    }
}

// Without the data files, or for a day they do not cover, the library answers from its
// built-in ephemeris: told once per engine, naming the folder, through the notices.
struct BuiltInCase {
    const char *name;
    const char *folder; // ORVEL_EPHE_DIR when empty
    int year;
    bool told;
};
void PrintTo(const BuiltInCase &c, std::ostream *os) { *os << c.name; }

class BuiltInEphemerisTest : public ChartEngineTest, public testing::WithParamInterface<BuiltInCase> {};

TEST_P(BuiltInEphemerisTest, IsToldOnceAtTheFirstChartComputedThatWay)
{
    const QString folder = *GetParam().folder ? QString::fromUtf8(GetParam().folder) : QStringLiteral(ORVEL_EPHE_DIR);
    Ephemeris::setDataFolder(folder);
    RecordingMessageSink errors;
    RecordingMessageSink notices;
    ChartEngine told(errors, notices, folder);
    ASSERT_TRUE(told.computeChart(record(DateTime(2000, 1, 1, 12, 0, 0), 0.0), settings));
    EXPECT_TRUE(notices.messages.isEmpty() || folder != QStringLiteral(ORVEL_EPHE_DIR));
    ASSERT_TRUE(told.computeChart(record(DateTime(GetParam().year, 3, 1, 12, 0, 0), 0.0), settings));
    ASSERT_TRUE(told.computeChart(record(DateTime(GetParam().year, 9, 1, 12, 0, 0), 0.0), settings));
    EXPECT_TRUE(errors.messages.isEmpty());
    ASSERT_EQ(notices.messages.size(), GetParam().told ? 1 : 0);
    if (GetParam().told) {
        EXPECT_TRUE(notices.messages[0].contains(folder)) << notices.messages[0].toStdString();
        EXPECT_TRUE(notices.messages[0].contains(QStringLiteral("built-in ephemeris")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, BuiltInEphemerisTest,
    testing::Values(BuiltInCase{"FilesCoverTheDate", "", 1990, false},
                    BuiltInCase{"DateBeforeTheFiles", "", 1500, true},
                    BuiltInCase{"DateAfterTheFiles", "", 2500, true},
                    BuiltInCase{"FolderMissing", "/nonexistent-ephemeris-folder", 1990, true}),
    [](const testing::TestParamInfo<BuiltInCase> &info) { return std::string(info.param.name); });
