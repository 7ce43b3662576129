#include "engine/AspectSearch.h"

#include <gtest/gtest.h>

#include <limits>

using namespace orvel;

namespace {

// Points 27.13 degrees apart: no distance between them is a whole number of degrees,
// so with zero orbs no pair is in aspect unless a case moves a point.
ChartSlot quietChart()
{
    ChartSlot slot;
    for (int p = 0; p < PointCount; ++p)
        slot.longitude[p] = 0.37 + 27.13 * p;
    return slot;
}

ChartSettings zeroOrbs()
{
    ChartSettings settings = ChartSettings::defaults();
    for (auto &orbs : settings.orbs)
        orbs = {0, 0, 0, 0, 0};
    return settings;
}

std::vector<AspectCode> aspectsOfPair(const std::vector<AspectCode> &aspects, int first, int second)
{
    std::vector<AspectCode> pair;
    for (const AspectCode &a : aspects)
        if (a.first == first && a.second == second)
            pair.push_back(a);
    return pair;
}

struct PairCase {
    const char *name;
    double sun;
    double moon;
    std::vector<AspectCode> expected; // aspects of the pair Sun-Moon
};

class AspectPairTest : public ::testing::TestWithParam<PairCase> {};

} // namespace

TEST(AspectSearch, QuietChartHasNoAspectsAndTheOldListIsCleared)
{
    const ChartSlot slot = quietChart();
    std::vector<AspectCode> aspects{{1, 1, 2}};
    AspectSearch::search(slot, slot, zeroOrbs(), aspects);
    EXPECT_TRUE(aspects.empty());
}

TEST_P(AspectPairTest, FindsTheFirstMatchingKind)
{
    ChartSlot slot;
    for (int p = 0; p < PointCount; ++p)
        slot.longitude[p] = 1000; // stands apart from Sun and Moon
    slot.longitude[Sun] = GetParam().sun;
    slot.longitude[Moon] = GetParam().moon;
    std::vector<AspectCode> aspects;
    AspectSearch::search(slot, slot, ChartSettings::defaults(), aspects);
    EXPECT_EQ(aspectsOfPair(aspects, Sun, Moon), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, AspectPairTest,
    ::testing::Values(PairCase{"SquareWithinOrb", 10, 100, {{Sun, 2, Moon}}},
                      PairCase{"ConjunctionAcrossZero", 359, 2, {{Sun, 0, Moon}}},
                      PairCase{"DistanceOfExactlyTheOrbCounts", 0, 97, {{Sun, 2, Moon}}},
                      PairCase{"JustBeyondTheOrb", 0, 97.001, {}},
                      PairCase{"SextilWithTruncatedOrb", 0, 61, {{Sun, 1, Moon}}},
                      PairCase{"OppositionFromTheOtherSide", 300, 119, {{Sun, 4, Moon}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AspectSearch, OrbIsTheTruncatedMeanOfBothPoints)
{
    // Sun (9) and Moon (8) conjunct: orb 8, so 8 degrees counts and 8.5 does not.
    ChartSlot slot = quietChart();
    slot.longitude[Moon] = slot.longitude[Sun] + 8;
    std::vector<AspectCode> aspects;
    AspectSearch::search(slot, slot, ChartSettings::defaults(), aspects);
    EXPECT_EQ(aspectsOfPair(aspects, Sun, Moon), (std::vector<AspectCode>{{Sun, 0, Moon}}));
    slot.longitude[Moon] = slot.longitude[Sun] + 8.5;
    AspectSearch::search(slot, slot, ChartSettings::defaults(), aspects);
    EXPECT_TRUE(aspectsOfPair(aspects, Sun, Moon).empty());
}

TEST(AspectSearch, LowerKindWinsWhenOrbsOverlap)
{
    ChartSettings settings = ChartSettings::defaults();
    for (auto &orbs : settings.orbs)
        orbs = {40, 40, 40, 40, 40};
    ChartSlot slot = quietChart();
    slot.longitude[Moon] = slot.longitude[Sun] + 30; // within both Conjunction and Sextil
    std::vector<AspectCode> aspects;
    AspectSearch::search(slot, slot, settings, aspects);
    ASSERT_FALSE(aspects.empty());
    EXPECT_EQ(aspects.front(), (AspectCode{Sun, 0, Moon}));
}

TEST(AspectSearch, ZeroOrbsFindOnlyExactAspects)
{
    const ChartSettings settings = zeroOrbs();
    ChartSlot slot = quietChart();
    slot.longitude[Venus] = slot.longitude[Sun] + 120;
    slot.longitude[Mars] = slot.longitude[Sun] + 90.0001;
    std::vector<AspectCode> aspects;
    AspectSearch::search(slot, slot, settings, aspects);
    EXPECT_EQ(aspects, (std::vector<AspectCode>{{Sun, 3, Venus}}));
}

TEST(AspectSearch, CrossModePairsFirstChartWithHigherPointsOfTheSecond)
{
    ChartSlot natal = quietChart();
    ChartSlot transit = quietChart();
    natal.longitude[Moon] = 40;
    transit.longitude[Sun] = 40; // the same place, but Moon (1) never pairs with Sun (0)
    transit.longitude[Mercury] = 40;
    std::vector<AspectCode> aspects;
    AspectSearch::search(natal, transit, zeroOrbs(), aspects);
    EXPECT_TRUE(aspectsOfPair(aspects, Moon, Sun).empty());
    for (const AspectCode &a : aspects)
        EXPECT_LT(a.first, a.second);
    EXPECT_NE(std::find(aspects.begin(), aspects.end(), AspectCode{Moon, 0, Mercury}), aspects.end());
}

TEST(AspectSearch, ListIsOrderedAndHoldsAtMostOneEntryPerPair)
{
    ChartSlot slot;
    slot.longitude.fill(77); // every pair conjoins
    std::vector<AspectCode> aspects;
    AspectSearch::search(slot, slot, ChartSettings::defaults(), aspects);
    ASSERT_EQ(aspects.size(), 78u);
    EXPECT_EQ(aspects.front().text(), QStringLiteral("000001"));
    EXPECT_EQ(aspects.back().text(), QStringLiteral("110012"));
}

TEST(AspectMeasure, DifferenceAndApplyingMark)
{
    const auto angles = ChartSettings::defaults().aspectAngles;
    const AspectSearch::Measure below = AspectSearch::measure(2, 10, 97, angles); // distance 87
    EXPECT_DOUBLE_EQ(below.difference, 3);
    EXPECT_TRUE(below.applying);
    const AspectSearch::Measure above = AspectSearch::measure(2, 100, 7, angles); // distance 93
    EXPECT_DOUBLE_EQ(above.difference, 3);
    EXPECT_FALSE(above.applying);
    const AspectSearch::Measure exact = AspectSearch::measure(4, 350, 170, angles);
    EXPECT_DOUBLE_EQ(exact.difference, 0);
    EXPECT_FALSE(exact.applying);
}

TEST(AspectSearch, DistanceFoldsAnyLongitudesIntoZeroTo180)
{
    EXPECT_DOUBLE_EQ(AspectSearch::distance(359, 2), 3);
    EXPECT_DOUBLE_EQ(AspectSearch::distance(2, 359), 3);
    EXPECT_DOUBLE_EQ(AspectSearch::distance(10, 190), 180);
    EXPECT_DOUBLE_EQ(AspectSearch::distance(-10, 700), 10);
    EXPECT_DOUBLE_EQ(AspectSearch::distance(1000, -1000), 160);
}

TEST(AspectSearch, LargestOrbsAddWithoutWrapping)
{
    ChartSettings settings = zeroOrbs();
    settings.orbs[Venus][3] = std::numeric_limits<int>::max();
    settings.orbs[Jupiter][3] = std::numeric_limits<int>::max();
    ChartSlot slot = quietChart();
    slot.longitude[Jupiter] = slot.longitude[Venus] + 125; // a trine within any orb above 5
    std::vector<AspectCode> aspects;
    AspectSearch::search(slot, slot, settings, aspects);
    EXPECT_EQ(aspectsOfPair(aspects, Venus, Jupiter), (std::vector<AspectCode>{{Venus, 3, Jupiter}}));
}
