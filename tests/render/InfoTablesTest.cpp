// The texts of the information windows: cells, columns and names from snapshots built
// by hand, and snapshots taken from charts the chart commands computed.
#include "support/ChartSceneFixture.h"

#include "engine/ChartMath.h"
#include "render/InfoTables.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

// Signs and houses of 30 degrees each, starting at the Ascendant (Aries rising at 0).
InfoChart evenChart()
{
    InfoChart chart;
    for (int s = 0; s < 12; ++s) {
        chart.signStart[s] = 30.0 * s;
        chart.cusp[s] = 30.0 * s;
    }
    for (int p = 0; p < PointCount; ++p) {
        chart.points[p] = 5.0 + 25.0 * p;
        chart.motion[p] = p < BodyCount ? 1.0 : 0.0;
    }
    chart.points[Ascendant] = 0.0;
    chart.points[Midheaven] = 270.0;
    return chart;
}

InfoSnapshot evenSnapshot(ChartMode mode)
{
    InfoSnapshot s;
    s.mode = mode;
    s.settings = ChartSettings::defaults();
    s.firstName = QStringLiteral("Ann");
    s.secondName = QStringLiteral("Bob");
    s.first = evenChart();
    s.second = evenChart();
    return s;
}

QStringList headers(const InfoTable &table)
{
    QStringList list;
    for (const InfoTable::Column &c : table.columns)
        list << c.header + u':' + QString::number(c.width) + (c.rightAligned ? QStringLiteral("R") : QString());
    return list;
}

struct DegreeCase {
    const char *name;
    double degrees;
    const char *text;
};

class DegreeText : public ::testing::TestWithParam<DegreeCase> {};

TEST_P(DegreeText, DropsFractionsOfEveryUnit)
{
    EXPECT_EQ(InfoTables::degreeText(GetParam().degrees), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DegreeText,
    ::testing::Values(DegreeCase{"Zero", 0.0, "00° 00' 00''"}, DegreeCase{"AlmostNextSign", 29.99999, "29° 59' 59''"},
                      DegreeCase{"HalfDegree", 1.5, "01° 30' 00''"}, DegreeCase{"Negative", -1.5, "-01° 30' 00''"},
                      DegreeCase{"NegativeBelowOne", -0.0123, "-00° 00' 44''"},
                      DegreeCase{"ThreeDigits", 359.75, "359° 45' 00''"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(InfoTables, HousesHaveAnglesForLabelsAndTheSecondChartInTwoChartModes)
{
    InfoSnapshot s = evenSnapshot(ChartMode::RadixI);
    s.first.cusp[1] = 59.99999; // inside Taurus, just short of Gemini
    const InfoTable one = InfoTables::houses(s);
    EXPECT_EQ(headers(one), (QStringList{"House:46", "Degree:80", "Sign:85"}));
    QStringList labels;
    for (const QStringList &row : one.rows)
        labels << row[0];
    EXPECT_EQ(labels, (QStringList{"AC", "2", "3", "IC", "5", "6", "DC", "8", "9", "MC", "11", "12"}));
    EXPECT_EQ(one.rows[1], (QStringList{"2", QString::fromUtf8("29° 59' 59''"), "Taurus"}));
    EXPECT_EQ(one.rows[11], (QStringList{"12", QString::fromUtf8("00° 00' 00''"), "Pisces"}));

    s.mode = ChartMode::Transit;
    s.second.cusp[0] = 45.5;
    const InfoTable two = InfoTables::houses(s);
    EXPECT_EQ(headers(two), (QStringList{"House:46", "Degree:80", "Sign:85", "Degree:80", "Sign:85"}));
    EXPECT_EQ(two.rows[0], (QStringList{"AC", QString::fromUtf8("00° 00' 00''"), "Aries",
                                        QString::fromUtf8("15° 30' 00''"), "Taurus"}));
}

TEST(InfoTables, PlanetsMarkRetrogradeAndLeaveAnglesWithoutHouseAndMotion)
{
    InfoSnapshot s = evenSnapshot(ChartMode::Composite);
    s.first.points[Mercury] = 89.99999;
    s.first.motion[Mercury] = -0.75;
    const InfoTable table = InfoTables::planets(s);
    EXPECT_EQ(headers(table), (QStringList{"Planet:50", "Degree:90", "Sign:85", "House:46", "Degree/Day:85R"}));
    EXPECT_EQ(table.rows.size(), 13u);
    EXPECT_EQ(table.rows[Mercury], (QStringList{"Mercury", QString::fromUtf8("29° 59' 59'' R"), "Gemini", "3",
                                                QString::fromUtf8("-00° 45' 00''")}));
    EXPECT_EQ(table.rows[Neptune][0], "Neptun");
    EXPECT_EQ(table.rows[Ascendant], (QStringList{"AC", QString::fromUtf8("00° 00' 00''"), "Aries", "", ""}));
    EXPECT_EQ(table.rows[Midheaven], (QStringList{"MC", QString::fromUtf8("00° 00' 00''"), "Capricorn", "", ""}));
}

TEST(InfoTables, PlanetsOfTwoChartsHaveNoHouseColumn)
{
    InfoSnapshot s = evenSnapshot(ChartMode::Synastry);
    s.second.motion[Sun] = -2.0;
    const InfoTable table = InfoTables::planets(s);
    EXPECT_EQ(headers(table), (QStringList{"Planet:50", "Degree:90", "Sign:85", "Degree/Day:85R", "Degree:90",
                                           "Sign:85", "Degree/Day:85R"}));
    EXPECT_EQ(table.rows[Sun], (QStringList{"Sun", QString::fromUtf8("05° 00' 00''"), "Aries",
                                            QString::fromUtf8("01° 00' 00''"), QString::fromUtf8("05° 00' 00'' R"),
                                            "Aries", QString::fromUtf8("-02° 00' 00''")}));
    EXPECT_EQ(table.rows[Midheaven].mid(3), (QStringList{"", QString::fromUtf8("00° 00' 00''"), "Capricorn", ""}));
}

TEST(InfoTables, AngleOutsideEverySignShowsAries)
{
    InfoSnapshot s = evenSnapshot(ChartMode::RadixI);
    s.first.points[Sun] = 400.0; // not possible with consistent data
    EXPECT_EQ(InfoTables::planets(s).rows[Sun][2], "Aries");
}

struct AspectCase {
    const char *name;
    ChartMode mode;
    double first;  // value of Sun in the first chart
    double second; // value of Moon in the chart the second point comes from
    int kind;
    const char *difference;
    const char *applying;
};

class AspectRows : public ::testing::TestWithParam<AspectCase> {};

TEST_P(AspectRows, ShowOrbAndApplyingMark)
{
    const AspectCase &c = GetParam();
    InfoSnapshot s = evenSnapshot(c.mode);
    s.first.points[Sun] = c.first;
    s.first.points[Moon] = 333.0; // must not be read in two-chart modes
    (s.twoCharts() ? s.second : s.first).points[Moon] = c.second;
    s.aspects = {{Sun, c.kind, Moon}};
    const InfoTable table = InfoTables::aspects(s);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0], (QStringList{"Sun", AspectNames[c.kind], "Moon", QString::fromUtf8(c.difference),
                                          c.applying}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AspectRows,
    ::testing::Values(AspectCase{"ExactTrine", ChartMode::RadixI, 130.0, 10.0, 3, "00° 00' 00''", ""},
                      AspectCase{"ApplyingTrine", ChartMode::RadixI, 128.5, 10.0, 3, "01° 30' 00''", "Appl."},
                      AspectCase{"SeparatingSquare", ChartMode::Composite, 10.0, 102.25, 2, "02° 15' 00''", ""},
                      AspectCase{"FoldedAbove180", ChartMode::RadixII, 10.0, 250.0, 3, "00° 00' 00''", ""},
                      AspectCase{"SecondChartInSynastry", ChartMode::Synastry, 10.0, 250.0, 3, "00° 00' 00''", ""},
                      AspectCase{"SecondChartInTransit", ChartMode::Transit, 359.0, 1.0, 0, "02° 00' 00''", ""},
                      AspectCase{"Opposition", ChartMode::Solar, 0.0, 179.0, 4, "01° 00' 00''", "Appl."}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(InfoTables, AspectTableColumnsAndEmptyList)
{
    const InfoTable table = InfoTables::aspects(evenSnapshot(ChartMode::RadixI));
    EXPECT_EQ(headers(table), (QStringList{"Planet:50", "Aspect:80", "Planet:55", "Difference:80", "A/S:50"}));
    EXPECT_TRUE(table.rows.empty());
    EXPECT_EQ(table.title, "Aspects");
}

TEST(InfoTables, RulerBonusGoesToOneElementAndOneQualityRow)
{
    InfoSnapshot s = evenSnapshot(ChartMode::RadixI);
    s.first.points[Ascendant] = 40.0; // Taurus rises: Venus rules
    s.first.points[Venus] = 200.0;    // Libra: Air, Cardinal
    const auto plainElements = InfoTables::elementRows(s);
    const auto plainQualities = InfoTables::qualityRows(s);
    s.settings.rulerBonus = 7;
    const auto elements = InfoTables::elementRows(s);
    const auto qualities = InfoTables::qualityRows(s);

    ASSERT_EQ(elements.size(), 4u);
    ASSERT_EQ(qualities.size(), 3u);
    int total = 0;
    for (int e = 0; e < 4; ++e) {
        total += plainElements[e].score;
        EXPECT_EQ(elements[e].score - plainElements[e].score, e == 2 ? 7 : 0) << elements[e].label.toStdString();
        EXPECT_EQ(elements[e].colour, s.settings.elementColours[e]);
    }
    for (int q = 0; q < 3; ++q) {
        EXPECT_EQ(qualities[q].score - plainQualities[q].score, q == 0 ? 7 : 0) << qualities[q].label.toStdString();
        EXPECT_EQ(qualities[q].colour, rgb(128, 128, 128));
    }
    int values = 0;
    for (int v : s.settings.planetValues)
        values += v;
    EXPECT_EQ(total, values); // without a bonus the scores are plain sums
    EXPECT_NE(std::find(elements[2].points.begin(), elements[2].points.end(), Venus), elements[2].points.end());
}

TEST(InfoTables, ScoreTableHasScoreTextAndGlyphs)
{
    InfoSnapshot s = evenSnapshot(ChartMode::RadixI);
    for (int p = 0; p < PointCount; ++p)
        s.first.points[p] = 1.0; // all in Aries: Fire, Cardinal
    const InfoTable table = InfoTables::scores(InfoWindow::Qualities, s);
    EXPECT_EQ(headers(table), (QStringList{"Quality:60", "Score:30", "Points:140"}));
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0], (QStringList{"Cardinal", "  72", "/0123456789:;"}));
    EXPECT_EQ(table.rows[1], (QStringList{"Fixed", "   0", ""}));
}

struct NameCase {
    const char *name;
    InfoWindow window;
    ChartMode mode;
    const char *text;
};

class NameText : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameText, FollowsWindowAndMode)
{
    EXPECT_EQ(InfoTables::name(GetParam().window, evenSnapshot(GetParam().mode)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameText,
    ::testing::Values(NameCase{"HousesRadix", InfoWindow::Houses, ChartMode::RadixI, "Ann"},
                      NameCase{"HousesComposite", InfoWindow::Houses, ChartMode::Composite, "Ann / Bob"},
                      NameCase{"PlanetsTransit", InfoWindow::Planets, ChartMode::Transit, "Ann / Bob"},
                      NameCase{"ElementsSolar", InfoWindow::Elements, ChartMode::Solar, "Ann"},
                      NameCase{"ElementsComposite", InfoWindow::Elements, ChartMode::Composite, "Ann / Bob"},
                      NameCase{"QualitiesComposite", InfoWindow::Qualities, ChartMode::Composite, "Ann / Bob"},
                      NameCase{"AspectTableSynastry", InfoWindow::AspectsTable, ChartMode::Synastry, "Ann / Bob"},
                      NameCase{"AspectTableRadix", InfoWindow::AspectsTable, ChartMode::RadixII, "Ann"},
                      NameCase{"GraphicComposite", InfoWindow::AspectsGraphic, ChartMode::Composite, "Ann / Bob"},
                      NameCase{"GraphicSynastry", InfoWindow::AspectsGraphic, ChartMode::Synastry, "Bob"},
                      NameCase{"GraphicRadix", InfoWindow::AspectsGraphic, ChartMode::RadixI, "Ann"}),
    [](const auto &info) { return std::string(info.param.name); });

struct SnapshotCase {
    const char *name;
    ChartMode mode;
    const char *first;
    const char *second;
    int firstSlot;
    int secondSlot; // -1: one chart
};

class SnapshotByMode : public ::testing::TestWithParam<SnapshotCase> {
protected:
    ChartSceneFixture charts;
};

void expectChartOf(const InfoChart &chart, const ChartSlot &slot, bool plain)
{
    const double ac = slot.longitude[Ascendant];
    for (int s = 0; s < 12; ++s) {
        EXPECT_DOUBLE_EQ(chart.signStart[s], wheelAngle(30.0 * s, ac));
        EXPECT_DOUBLE_EQ(chart.cusp[s], wheelAngle(slot.cusp[s], ac));
    }
    for (int p = 0; p < PointCount; ++p) {
        EXPECT_DOUBLE_EQ(chart.points[p], plain ? slot.longitude[p] : wheelAngle(slot.longitude[p], ac)) << p;
        EXPECT_DOUBLE_EQ(chart.motion[p], plain ? 0.0 : slot.speed[p]) << p;
    }
}

TEST_P(SnapshotByMode, CopiesTheSlotsAndNamesOfTheMode)
{
    const SnapshotCase &c = GetParam();
    charts.show(c.mode);
    ASSERT_EQ(charts.commands.mode(), c.mode);
    const int current = charts.engine.currentSlot();
    for (const InfoWindow window : {InfoWindow::Planets, InfoWindow::AspectsTable}) {
        const bool forAspects = window == InfoWindow::AspectsTable;
        SCOPED_TRACE(forAspects ? "aspect window" : "information window");
        const InfoSnapshot s = InfoSnapshot::take(charts.scene(), window);
        EXPECT_EQ(s.mode, c.mode);
        EXPECT_EQ(s.firstName, c.first);
        EXPECT_EQ(s.secondName, c.second);
        EXPECT_EQ(s.aspects, charts.engine.aspects());
        const bool plain = forAspects && c.secondSlot >= 0;
        expectChartOf(s.first, charts.engine.slot(c.firstSlot), plain);
        if (c.secondSlot >= 0)
            expectChartOf(s.second, charts.engine.slot(c.secondSlot), plain);
    }
    EXPECT_EQ(charts.engine.currentSlot(), current);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SnapshotByMode,
    ::testing::Values(SnapshotCase{"RadixI", ChartMode::RadixI, "First", "", 0, -1},
                      SnapshotCase{"RadixII", ChartMode::RadixII, "Second", "", 1, -1},
                      SnapshotCase{"Solar", ChartMode::Solar, "First", "", 0, -1},
                      SnapshotCase{"Composite", ChartMode::Composite, "First", "Second", 2, -1},
                      SnapshotCase{"Synastry", ChartMode::Synastry, "First", "Second", 0, 1},
                      SnapshotCase{"Transit", ChartMode::Transit, "First", "Current transits", 0, 1}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
