#include "CountryScheme.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

// Debian's iso-codes lists, installed with the build's dependencies.
const QString IsoCodes = u"/usr/share/iso-codes/json"_qs;

CountryScheme loadScheme()
{
    Result<CountryScheme> scheme = CountryScheme::load(IsoCodes);
    EXPECT_TRUE(scheme) << qPrintable(scheme.message());
    return std::move(scheme).value();
}

} // namespace

TEST(CountryScheme, SplitCountriesAndVehicleCodes)
{
    const CountryScheme scheme = loadScheme();
    const auto codeOf = [&](const char *alpha2, const char *admin1) {
        const std::optional<CountryEntry> entry = scheme.entryFor(QString::fromLatin1(alpha2), QString::fromLatin1(admin1));
        return entry ? entry->code : u"<none>"_qs;
    };
    EXPECT_EQ(codeOf("US", "NY"), u"USNY"_qs);
    EXPECT_EQ(scheme.entryFor(u"US"_qs, u"NY"_qs)->name, u"USA - New York"_qs);
    EXPECT_EQ(codeOf("US", "DC"), u"USDC"_qs);
    EXPECT_EQ(codeOf("US", "00"), u"<none>"_qs);
    EXPECT_EQ(codeOf("GB", "ENG"), u"GBE"_qs);
    EXPECT_EQ(codeOf("GB", "NIR"), u"NIR"_qs);
    EXPECT_EQ(codeOf("GB", "SCT"), u"SCO"_qs);
    EXPECT_EQ(codeOf("GB", "WLS"), u"WL"_qs);
    EXPECT_EQ(codeOf("GB", "05"), u"<none>"_qs);
    EXPECT_EQ(codeOf("AU", "02"), u"AUS"_qs);
    EXPECT_EQ(codeOf("CA", "08"), u"CDN"_qs);
    EXPECT_EQ(codeOf("ZA", "06"), u"ZA"_qs);
    EXPECT_EQ(codeOf("DE", "16"), u"D"_qs);
    EXPECT_EQ(codeOf("LC", "01"), u"LCA"_qs); // its vehicle code WL is Wales here
    EXPECT_EQ(codeOf("AW", ""), u"ABW"_qs);   // no vehicle code: alpha-3
    EXPECT_EQ(codeOf("XK", ""), u"RKS"_qs);
    EXPECT_EQ(codeOf("ZZ", ""), u"<none>"_qs);
}

TEST(CountryScheme, ReadableLatin1Names)
{
    const CountryScheme scheme = loadScheme();
    EXPECT_EQ(scheme.entryFor(u"KR"_qs, QString())->name, u"South Korea"_qs);
    EXPECT_EQ(scheme.entryFor(u"TW"_qs, QString())->name, u"Taiwan"_qs);
    EXPECT_EQ(scheme.entryFor(u"CI"_qs, QString())->name, u"Côte d'Ivoire"_qs);
    EXPECT_EQ(scheme.entryFor(u"XK"_qs, QString())->name, u"Kosovo"_qs);
    EXPECT_EQ(CountryScheme::toLatin1Text(u"Ōmura Ärger"_qs), u"Omura Ärger"_qs);
}

TEST(CountryScheme, MissingListsFailTheLoad)
{
    const Result<CountryScheme> scheme = CountryScheme::load(u"/nonexistent"_qs);
    EXPECT_EQ(scheme.status(), ResultStatus::Missing);
    EXPECT_TRUE(scheme.message().contains(u"iso_3166-1.json"_qs));
}
