#include "engine/ChartScores.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

using namespace orvel;

namespace {

ChartSlot chartWithAscendant(double ascendant)
{
    ChartSlot slot;
    for (int p = 0; p < PointCount; ++p)
        slot.longitude[p] = 5 + 29 * p; // one point in most signs
    slot.longitude[Ascendant] = ascendant;
    return slot;
}

} // namespace

TEST(ChartScores, SignBoundariesBelongToTheSignTheyStart)
{
    EXPECT_EQ(ChartScores::signOf(30.0, 0.0), 1);
    EXPECT_EQ(ChartScores::signOf(30.0, 17.3), 1);
    EXPECT_EQ(ChartScores::signOf(29.999999, 17.3), 0);
    EXPECT_EQ(ChartScores::signOf(0.0, 213.7), 0);
    EXPECT_EQ(ChartScores::signOf(359.99, 213.7), 11);
    EXPECT_EQ(ChartScores::signOf(215.0, 213.7), 7);
}

TEST(ChartScores, ElementsAndQualitiesFollowTheSign)
{
    ChartSlot slot = chartWithAscendant(100);
    slot.longitude[Venus] = 30.0;
    const ChartScores scores(slot, ChartSettings::defaults());
    EXPECT_EQ(scores.sign(Venus), 1);
    EXPECT_EQ(scores.element(Venus), 1); // Earth
    EXPECT_EQ(scores.quality(Venus), 1); // Fixed
}

TEST(ChartScores, RulerOfAriesAscendantEarnsTheBonus)
{
    ChartSettings settings = ChartSettings::defaults();
    settings.rulerBonus = 3;
    ChartSlot slot = chartWithAscendant(10); // Aries: Mars rules
    slot.longitude[Mars] = 130;              // Leo: Fire
    const ChartScores scores(slot, settings);
    EXPECT_EQ(scores.firstHouseRuler(), Mars);

    int fire = 0;
    for (int p = 0; p < PointCount; ++p)
        if (scores.element(p) == 0)
            fire += settings.planetValues[p];
    EXPECT_EQ(scores.elementScores()[0], fire + 3);
    EXPECT_GE(fire, settings.planetValues[Mars] + settings.planetValues[Ascendant]);
}

TEST(ChartScores, BonusAloneScoresOneElementAndOneQuality)
{
    ChartSettings settings = ChartSettings::defaults();
    settings.planetValues.fill(0);
    settings.rulerBonus = 5;
    const ChartScores scores(chartWithAscendant(250), settings);
    const auto &e = scores.elementScores();
    const auto &q = scores.qualityScores();
    EXPECT_EQ(std::count(e.begin(), e.end(), 5), 1);
    EXPECT_EQ(std::count(e.begin(), e.end(), 0), 3);
    EXPECT_EQ(std::count(q.begin(), q.end(), 5), 1);
    EXPECT_EQ(std::count(q.begin(), q.end(), 0), 2);
}

TEST(ChartScores, ScoresAddUpToAllValuesPlusBonus)
{
    ChartSettings settings = ChartSettings::defaults();
    settings.rulerBonus = 7;
    for (double ascendant : {0.0, 45.5, 181.0, 359.9}) {
        const ChartScores scores(chartWithAscendant(ascendant), settings);
        const int total = std::accumulate(settings.planetValues.begin(), settings.planetValues.end(), 0) + 7;
        EXPECT_EQ(std::accumulate(scores.elementScores().begin(), scores.elementScores().end(), 0), total);
        EXPECT_EQ(std::accumulate(scores.qualityScores().begin(), scores.qualityScores().end(), 0), total);
    }
}

TEST(ChartScores, SignWithoutRulerGivesNoBonus)
{
    EXPECT_EQ(ChartScores::rulerOf(12), -1);
    EXPECT_EQ(ChartScores::rulerOf(-1), -1);
    EXPECT_EQ(ChartScores::rulerOf(7), Pluto);
}

TEST(ChartScores, LargestValuesSumWithoutWrapping)
{
    ChartSettings settings = ChartSettings::defaults();
    settings.planetValues.fill(std::numeric_limits<int>::max());
    settings.rulerBonus = std::numeric_limits<int>::max();
    const ChartScores scores(chartWithAscendant(0), settings);
    const std::int64_t total = std::int64_t{std::numeric_limits<int>::max()} * (PointCount + 1);
    EXPECT_EQ(std::accumulate(scores.elementScores().begin(), scores.elementScores().end(), std::int64_t{0}), total);
    for (const std::int64_t score : scores.qualityScores())
        EXPECT_GE(score, 0);
}
