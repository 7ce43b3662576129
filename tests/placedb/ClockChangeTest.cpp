#include "MaskedDatabase.h"

#include <gtest/gtest.h>

#include <optional>

using namespace orvel;

namespace {

struct ClockChangeCase {
    const char *name;
    const char *tableCode;
    int zone;
    DateTime moment;
    std::optional<ClockChange> change;
};

constexpr auto Repeated = ClockChange::Kind::Repeated;
constexpr auto Skipped = ClockChange::Kind::Skipped;

class ClockChangeTest : public ::testing::TestWithParam<ClockChangeCase> {};

// The fixture tables (tests/data/placedb) switch D zone 1 from MEZ (+1) to MESZ (+2) at
// 30.04.1916 23:00 and back at 01.10.1916 01:00; New York leaves local mean time
// (-4.9333) for EST (-5) at 18.11.1883 12:03:58 and, through US1, goes back from EDT (-4)
// to EST at 27.10.1918 02:00. Read as the world database writes a change, at the later of
// its two local readings, the times just before each start occur twice or never.
TEST_P(ClockChangeTest, FindsTheChangeAndTheLookupUsesTheOffsetItNames)
{
    MaskedDatabase db;
    PlaceDatabase places = db.open();
    const ClockChangeCase &c = GetParam();
    std::optional<ClockChange> change = ClockChange{};
    ASSERT_TRUE(places.GetClockChange(c.moment, QString::fromLatin1(c.tableCode), c.zone, change));
    ASSERT_EQ(change.has_value(), c.change.has_value());
    if (!change)
        return;
    EXPECT_EQ(change->kind, c.change->kind);
    EXPECT_NEAR(change->before, c.change->before, 1e-9);
    EXPECT_NEAR(change->after, c.change->after, 1e-9);

    double offset = 0.0;
    ASSERT_TRUE(places.GetDeltaGMT(c.moment, QString::fromLatin1(c.tableCode), c.zone, offset));
    EXPECT_DOUBLE_EQ(offset, change->before);
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ClockChangeTest,
    ::testing::Values(
        ClockChangeCase{"BeforeTheGap", "D", 1, {1916, 4, 30, 21, 59}, std::nullopt},
        ClockChangeCase{"GapStart", "D", 1, {1916, 4, 30, 22, 0}, ClockChange{Skipped, 1.0, 2.0}},
        ClockChangeCase{"InTheGap", "D", 1, {1916, 4, 30, 22, 30}, ClockChange{Skipped, 1.0, 2.0}},
        ClockChangeCase{"GapEnd", "D", 1, {1916, 4, 30, 23, 0}, std::nullopt},
        ClockChangeCase{"BeforeTheRepeat", "D", 1, {1916, 9, 30, 23, 59}, std::nullopt},
        ClockChangeCase{"RepeatStart", "D", 1, {1916, 10, 1, 0, 0}, ClockChange{Repeated, 2.0, 1.0}},
        ClockChangeCase{"InTheRepeat", "D", 1, {1916, 10, 1, 0, 30}, ClockChange{Repeated, 2.0, 1.0}},
        ClockChangeCase{"RepeatEnd", "D", 1, {1916, 10, 1, 1, 0}, std::nullopt},
        ClockChangeCase{"Summer", "D", 1, {1916, 7, 1, 12, 0}, std::nullopt},
        ClockChangeCase{"ThroughARedirection", "NY", 1, {1918, 10, 27, 1, 30}, ClockChange{Repeated, -4.0, -5.0}},
        ClockChangeCase{"FourMinutesOfMeanTime", "NY", 1, {1883, 11, 18, 12, 1}, ClockChange{Repeated, -4.9333, -5.0}},
        ClockChangeCase{"NoTable", "", 1, {1916, 10, 1, 0, 30}, std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GetClockChange, FailsWithTheLookup)
{
    MaskedDatabase db;
    db.remove(QStringLiteral("Ttable_D.txt"));
    std::optional<ClockChange> change = ClockChange{};
    EXPECT_FALSE(db.open().GetClockChange({1916, 10, 1, 0, 30}, QStringLiteral("D"), 1, change));
    EXPECT_FALSE(change.has_value());
}

} // namespace
