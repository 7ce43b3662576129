#include "storage/HoroscopeList.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace orvel;

namespace {

const DateTime Now(2024, 3, 5, 14, 30, 0);

std::vector<HoroscopeRecord> named(const std::vector<std::string> &names)
{
    std::vector<HoroscopeRecord> records;
    for (const std::string &name : names) {
        HoroscopeRecord record = HoroscopeRecord::createDefault(DateTime(1970, 1, 1));
        record.name = QString::fromStdString(name);
        record.city = QStringLiteral("City of ") + record.name;
        records.push_back(record);
    }
    return records;
}

std::vector<std::string> names(const std::vector<HoroscopeRecord> &records)
{
    std::vector<std::string> result;
    for (const HoroscopeRecord &record : records)
        result.push_back(record.name.toStdString());
    return result;
}

struct AddCase {
    const char *name;
    std::vector<std::string> before;
    std::vector<std::string> after;
};

class HoroscopeListAdd : public testing::TestWithParam<AddCase> {};

TEST_P(HoroscopeListAdd, PutsTheNewRecordFirstAndTheDisplacedOneLast)
{
    std::vector<HoroscopeRecord> records = named(GetParam().before);
    const HoroscopeRecord added = named({"new"}).front();
    HoroscopeList(records).add(added);
    EXPECT_EQ(names(records), GetParam().after);
    EXPECT_EQ(records.front(), added);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, HoroscopeListAdd,
    testing::Values(AddCase{"Empty", {}, {"new"}}, AddCase{"One", {"A"}, {"new", "A"}},
                    AddCase{"Two", {"A", "B"}, {"new", "B", "A"}},
                    AddCase{"Three", {"A", "B", "C"}, {"new", "B", "C", "A"}}),
    [](const auto &info) { return std::string(info.param.name); });

struct FillCase {
    const char *name;
    std::vector<std::string> before;
    std::vector<std::string> after;
};

class HoroscopeListFill : public testing::TestWithParam<FillCase> {};

TEST_P(HoroscopeListFill, AppendsNewRecordsUntilTwo)
{
    std::vector<HoroscopeRecord> records = named(GetParam().before);
    const std::vector<HoroscopeRecord> kept = records;
    HoroscopeList(records).fill(QStringLiteral("filler"), Now);
    EXPECT_EQ(names(records), GetParam().after);
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), records.begin())) << "the records there stay as they were";
    for (std::size_t i = kept.size(); i < records.size(); ++i) {
        HoroscopeRecord expected = HoroscopeRecord::createDefault(Now);
        expected.name = QStringLiteral("filler");
        EXPECT_EQ(records[i], expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, HoroscopeListFill,
    testing::Values(FillCase{"Empty", {}, {"filler", "filler"}}, FillCase{"One", {"A"}, {"A", "filler"}},
                    FillCase{"Two", {"A", "B"}, {"A", "B"}}, FillCase{"Three", {"A", "B", "C"}, {"A", "B", "C"}}),
    [](const auto &info) { return std::string(info.param.name); });

struct RemoveCase {
    const char *name;
    std::vector<std::string> before;
    std::size_t index;
    std::optional<bool> answer; // the confirmation's answer; none: nothing is asked
    bool asked;                 // whether the confirmation is reached
    std::vector<std::string> after;
};

class HoroscopeListRemove : public testing::TestWithParam<RemoveCase> {};

TEST_P(HoroscopeListRemove, DeletesOnlyFromThreeOnAndOnlyWhenConfirmed)
{
    const RemoveCase &c = GetParam();
    std::vector<HoroscopeRecord> records = named(c.before);
    int asked = 0;
    std::function<bool()> confirm;
    if (c.answer) {
        confirm = [&] {
            ++asked;
            return *c.answer;
        };
    }
    const bool removed = HoroscopeList(records).remove(c.index, confirm);
    EXPECT_EQ(names(records), c.after);
    EXPECT_EQ(removed, records.size() < c.before.size());
    EXPECT_EQ(asked, c.asked ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, HoroscopeListRemove,
    testing::Values(RemoveCase{"TwoAreKept", {"A", "B"}, 0, std::nullopt, false, {"A", "B"}},
                    RemoveCase{"TwoAreKeptWithoutAsking", {"A", "B"}, 1, true, false, {"A", "B"}},
                    RemoveCase{"FirstOfThree", {"A", "B", "C"}, 0, std::nullopt, false, {"B", "C"}},
                    RemoveCase{"LastOfThree", {"A", "B", "C"}, 2, std::nullopt, false, {"A", "B"}},
                    RemoveCase{"ConfirmedMiddleOfFour", {"A", "B", "C", "D"}, 1, true, true, {"A", "C", "D"}},
                    RemoveCase{"Declined", {"A", "B", "C"}, 1, false, true, {"A", "B", "C"}},
                    RemoveCase{"PastTheEndWithoutAsking", {"A", "B", "C"}, 3, true, false, {"A", "B", "C"}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
