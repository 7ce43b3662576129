#include "FakePlaceDirectory.h"

#include "storage/AafCountryChooser.h"
#include "storage/AafPlaceFinder.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

// A country of the database, the code it is written with, and a place of it that
// tells the parts of a divided country apart on reading.
struct RoundTripCase {
    const char *name;
    const char *databaseCode;
    const char *written;
    const char *city;
    double latitude;
    double longitude;
    const char *country;
};

const RoundTripCase RoundTripCases[] = {
    {"England", "GBE", "GB", "London", 51.5, -0.1167, "England"},
    {"Scotland", "SCO", "GB", "Edinburgh", 55.95, -3.2, "Scotland"},
    {"WalesIsBritishNotItsOwnCode", "WL", "GB", "Cardiff", 51.4833, -3.1833, "Wales"},
    {"NorthernIreland", "NIR", "GB", "Belfast", 54.6, -5.9333, "Northern Ireland"},
    {"NewYork", "USNY", "USA", "New York", 40.7167, -74.0, "USA - New York"},
    {"California", "USCA", "USA", "Los Angeles", 34.05, -118.25, "USA - California"},
    {"SaintLuciaByItsVehicleCode", "LCA", "WL", "Castries", 14.0, -61.0, "Saint Lucia"},
    {"OwnCode", "D", "D", "Berlin", 52.5167, 13.4, "Deutschland"},
    {"OwnCodeThatIsAnotherIsoCode", "ES", "ES", "San Salvador", 13.7, -89.2, "El Salvador"},
};

class AafCountryRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(AafCountryRoundTripTest, WrittenCodeReadsBackAsTheSameCountry)
{
    const RoundTripCase &c = GetParam();
    const QString written = AafCountryChooser::vehicleCode(QString::fromUtf8(c.databaseCode));
    EXPECT_EQ(written, QString::fromUtf8(c.written));

    storagetest::FakeDirectory places;
    AafPlaceFinder finder(places);
    AafCountryChooser chooser(places, finder);
    EXPECT_EQ(chooser.choose(written, QString::fromUtf8(c.city), c.latitude, c.longitude).name,
              QString::fromUtf8(c.country));
}

INSTANTIATE_TEST_SUITE_P(Countries, AafCountryRoundTripTest, testing::ValuesIn(RoundTripCases),
                         [](const testing::TestParamInfo<RoundTripCase> &info) { return std::string(info.param.name); });

// Spellings other programs write that we never do, read by the same rules.
struct SpellingCase {
    const char *name;
    const char *field;
    const char *city;
    const char *country;
};

const SpellingCase SpellingCases[] = {
    {"UnitedKingdom", "UK", "Edinburgh", "Scotland"},
    {"LowerCaseGb", "gb", "Belfast", "Northern Ireland"},
    {"Us", "US", "Los Angeles", "USA - California"},
    {"LowerCaseUsa", "usa", "New York", "USA - New York"},
    {"WlIsSaintLuciaEvenWithAWelshCity", "wl", "Cardiff", "Saint Lucia"},
    {"DatabaseCodeInAnyCase", "gbe", "", "England"},
};

class AafCountrySpellingTest : public testing::TestWithParam<SpellingCase> {};

TEST_P(AafCountrySpellingTest, ReadsTheCountry)
{
    const SpellingCase &c = GetParam();
    storagetest::FakeDirectory places;
    AafPlaceFinder finder(places);
    AafCountryChooser chooser(places, finder);
    const AafCountryChooser::Choice choice =
        chooser.choose(QString::fromUtf8(c.field), QString::fromUtf8(c.city), std::nullopt, std::nullopt);
    EXPECT_EQ(choice.name, QString::fromUtf8(c.country));
    EXPECT_TRUE(choice.note.isEmpty()) << choice.note.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Codes, AafCountrySpellingTest, testing::ValuesIn(SpellingCases),
                         [](const testing::TestParamInfo<SpellingCase> &info) { return std::string(info.param.name); });

} // namespace
