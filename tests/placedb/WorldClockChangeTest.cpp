// Clock changes in the generated world database, at transitions of the IANA time-zone
// database (zdump -v Europe/Berlin America/New_York, 2021).
#include "placedb/PlaceDatabase.h"
#include "placedb/PlaceOffsetLookup.h"
#include "platform/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <optional>

using namespace orvel;

namespace {

struct WorldCase {
    const char *name;
    const char *country;
    const char *city;
    DateTime moment;
    std::optional<ClockChange> change;
};

constexpr auto Repeated = ClockChange::Kind::Repeated;
constexpr auto Skipped = ClockChange::Kind::Skipped;

class WorldClockChangeTest : public ::testing::TestWithParam<WorldCase> {};

TEST_P(WorldClockChangeTest, MatchesTheTransition)
{
    RecordingMessageSink sink;
    PlaceDatabase places(QStringLiteral(ORVEL_WORLD_DATABASE_DIR), QString(), sink);
    PlaceOffsetLookup lookup(places);
    const WorldCase &c = GetParam();
    const std::optional<ChartPlace> place = lookup.findPlace(QString::fromUtf8(c.country), QString::fromUtf8(c.city));
    ASSERT_TRUE(place.has_value());
    std::optional<ClockChange> change;
    ASSERT_TRUE(places.GetClockChange(c.moment, place->tableCode, place->zone, change));
    ASSERT_EQ(change.has_value(), c.change.has_value());
    if (change) {
        EXPECT_EQ(*change, *c.change);
        double offset = 0.0;
        ASSERT_TRUE(places.GetDeltaGMT(c.moment, place->tableCode, place->zone, offset));
        EXPECT_EQ(offset, change->before);
    }
    EXPECT_TRUE(sink.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Transitions2021, WorldClockChangeTest,
    ::testing::Values(
        WorldCase{"BerlinAutumnBefore", "Germany", "Berlin", {2021, 10, 31, 1, 59}, std::nullopt},
        WorldCase{"BerlinAutumnTwice", "Germany", "Berlin", {2021, 10, 31, 2, 30}, ClockChange{Repeated, 2.0, 1.0}},
        WorldCase{"BerlinAutumnAfter", "Germany", "Berlin", {2021, 10, 31, 3, 0}, std::nullopt},
        WorldCase{"BerlinSpringNever", "Germany", "Berlin", {2021, 3, 28, 2, 30}, ClockChange{Skipped, 1.0, 2.0}},
        WorldCase{"BerlinSpringAfter", "Germany", "Berlin", {2021, 3, 28, 3, 0}, std::nullopt},
        WorldCase{"BerlinSummer", "Germany", "Berlin", {2021, 7, 1, 2, 30}, std::nullopt},
        WorldCase{"NewYorkAutumnTwice", "USA - New York", "New York City", {2021, 11, 7, 1, 30},
                  ClockChange{Repeated, -4.0, -5.0}},
        WorldCase{"NewYorkSpringNever", "USA - New York", "New York City", {2021, 3, 14, 2, 30},
                  ClockChange{Skipped, -5.0, -4.0}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
