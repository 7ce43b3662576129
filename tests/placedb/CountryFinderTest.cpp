#include "MaskedDatabase.h"

#include "placedb/CountryFinder.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

struct FindCase {
    const char *name;
    const char16_t *typed;
    const char *code; // "" when no country is found
};

class CountryFinderTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(CountryFinderTest, Finds)
{
    MaskedDatabase db;
    std::vector<CountryRecord> countries;
    ASSERT_TRUE(db.open().LoadCountryList(countries));
    const CountryRecord *found = CountryFinder::find(countries, QString::fromUtf16(GetParam().typed));
    EXPECT_EQ(found ? found->code : QString(), QString::fromLatin1(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(
    Countries, CountryFinderTest,
    ::testing::Values(FindCase{"ExactName", u"Deutschland", "D"},
                      FindCase{"NameInSmallLetters", u"deutschland", "D"},
                      FindCase{"AccentedNameInCapitals", u"ÖSTERREICH", "A"},
                      FindCase{"CodeInAnyCase", u"usny", "USNY"},
                      FindCase{"OneLetterCode", u"a", "A"},
                      FindCase{"NameBeforeCode", u"ALAND", "ALX"},
                      FindCase{"CodeOfTheOtherAland", u"ala", "ALA"},
                      FindCase{"Misspelt", u"Deutschlnad", ""},
                      FindCase{"Empty", u"", ""}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
