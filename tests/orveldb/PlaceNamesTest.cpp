#include "AdminNames.h"
#include "DuplicateNames.h"
#include "GeoNamesReader.h"
#include "LatinTransliteration.h"
#include "MaskedFile.h"
#include "NameChanges.h"
#include "PlaceFileText.h"
#include "PlaceNameCleaner.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvel;

namespace {

using Outcome = PlaceNameCleaner::Outcome;

QString nameOf(const std::vector<BuiltPlace> &places, int number)
{
    const auto it = std::find_if(places.begin(), places.end(), [&](const BuiltPlace &p) { return p.number == number; });
    return it == places.end() ? QStringLiteral("<dropped>") : it->name;
}

} // namespace

TEST(PlaceNameCleaner, KeepsWindows1252NamesAndCleansSeparators)
{
    EXPECT_EQ(PlaceNameCleaner::clean(u"Zürich"_qs, u"Zurich"_qs).name, u"Zürich"_qs);
    EXPECT_EQ(PlaceNameCleaner::clean(u"Zürich"_qs, u"Zurich"_qs).outcome, Outcome::Unchanged);
    // Œ and š are in Windows-1252 though not in ISO 8859-1.
    EXPECT_EQ(PlaceNameCleaner::clean(u"Œuilly Šid"_qs, u"x"_qs).outcome, Outcome::Unchanged);

    const PlaceNameCleaner::Result tabs = PlaceNameCleaner::clean(u" Bad\t\"Alt\"\r\nHeide\u0001 "_qs, u"x"_qs);
    EXPECT_EQ(tabs.name, u"Bad 'Alt' Heide"_qs);
    EXPECT_EQ(tabs.outcome, Outcome::Cleaned);
    // A leading quote would make the reader take the whole rest of the file as one field.
    EXPECT_FALSE(PlaceNameCleaner::clean(u"\"Quoted"_qs, u"x"_qs).name.startsWith(u'"'));
}

TEST(PlaceNameCleaner, TransliteratesFallsBackToAsciiOrSkips)
{
    const PlaceNameCleaner::Result polish = PlaceNameCleaner::clean(u"Łódź"_qs, u"Lodz"_qs);
    EXPECT_EQ(polish.name, u"Lódz"_qs);
    EXPECT_EQ(polish.outcome, Outcome::Transliterated);
    // Only a character without a Latin replacement falls back to the ASCII name.
    EXPECT_EQ(PlaceNameCleaner::clean(u"Łódź ж"_qs, u"Lodz Zh"_qs).name, u"Lodz Zh"_qs);
    // µ fits Windows-1252, but its upper case, the letter index key, does not.
    EXPECT_EQ(PlaceNameCleaner::clean(u"µville"_qs, u"Muville"_qs).outcome, Outcome::Ascii);
    EXPECT_EQ(PlaceNameCleaner::clean(u"6 de Enero"_qs, u"6 de Enero"_qs).outcome, Outcome::StartsWithDigit);
    EXPECT_EQ(PlaceNameCleaner::clean(u"北京"_qs, u""_qs).outcome, Outcome::Unusable);
    EXPECT_EQ(PlaceNameCleaner::clean(u"''"_qs, u"'"_qs).outcome, Outcome::Unusable);
    EXPECT_TRUE(PlaceNameCleaner::clean(u"\t"_qs, u""_qs).name.isEmpty());
    // Quotation marks and accents used as quotes become apostrophes, which the key skips.
    EXPECT_EQ(PlaceNameCleaner::clean(u"‘Ayn `Isá ’Ali´s"_qs, u"x"_qs).name, u"'Ayn 'Isá 'Ali's"_qs);
}

struct TransliterationCase {
    const char *name;
    const char16_t *source;
    const char16_t *expected; // nullptr: no Latin replacement
};

class LatinTransliterationTest : public ::testing::TestWithParam<TransliterationCase> {};

TEST_P(LatinTransliterationTest, Replaces)
{
    const std::optional<QString> out = LatinTransliteration::toWindows1252(QString::fromUtf16(GetParam().source));
    if (GetParam().expected)
        EXPECT_EQ(out, QString::fromUtf16(GetParam().expected));
    else
        EXPECT_FALSE(out) << qPrintable(*out);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LatinTransliterationTest,
    ::testing::Values(
        TransliterationCase{"PolishKeepsOAcute", u"Łódź", u"Lódz"},
        TransliterationCase{"HungarianDoubleAcute", u"Hódmezővásárhely", u"Hódmezovásárhely"},
        TransliterationCase{"RomanianCommaBelow", u"Timișoara Târgu Mureș Brașov", u"Timisoara Târgu Mures Brasov"},
        TransliterationCase{"TurkishDotlessAndDottedI", u"Diyarbakır İzmir Çorum", u"Diyarbakir Izmir Çorum"},
        TransliterationCase{"VietnameseKeepsTheAccentWindowsHolds", u"Hồ Chí Minh Đà Lạt", u"Hô Chí Minh Dà Lat"},
        TransliterationCase{"CroatianStroke", u"Đakovo Vukovar", u"Dakovo Vukovar"},
        TransliterationCase{"MalteseHBar", u"Ħal Qormi", u"Hal Qormi"},
        TransliterationCase{"AzerbaijaniSchwa", u"Gəncə", u"Gence"},
        TransliterationCase{"HawaiianOkina", u"Hawaiʻi Kaʻū", u"Hawai'i Ka'u"},
        TransliterationCase{"LigatureDecomposes", u"Ĳsselstein", u"IJsselstein"},
        TransliterationCase{"CombiningAccentsComposeFirst", u"Lo\u0301dz\u0301 e\u0301\u0308", u"Lódz é"},
        TransliterationCase{"Windows1252KeptAsItIs", u"Šid Œuilly Zürich", u"Šid Œuilly Zürich"},
        TransliterationCase{"CyrillicHasNoReplacement", u"Москва", nullptr},
        TransliterationCase{"HanHasNoReplacement", u"北京", nullptr},
        TransliterationCase{"OutsideTheBasicPlane", u"A\U0001D400", nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GeoNamesReader, ReadsColumnsAndCountsBadLines)
{
    BuildStatistics statistics;
    const QByteArray good = "2950159\tBerlin\tBerlin\tBerlino\t52.52437\t13.41053\tP\tPPLC\tDE\t\t16\t00\t11000\t\t3426354\t74\t43\t"
                            "Europe/Berlin\t2022-03-09";
    const std::optional<SourcePlace> place = GeoNamesReader::parseLine(good, statistics);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->geonameId, 2950159);
    EXPECT_EQ(place->name, u"Berlin"_qs);
    EXPECT_DOUBLE_EQ(place->latitude, 52.52437);
    EXPECT_EQ(place->countryCode, u"DE"_qs);
    EXPECT_EQ(place->admin1, u"16"_qs);
    EXPECT_EQ(place->population, 3426354);
    EXPECT_EQ(place->timeZone, u"Europe/Berlin"_qs);

    QByteArray noLatitude = good;
    noLatitude.replace("52.52437", "");
    QByteArray offTheGlobe = good;
    offTheGlobe.replace("13.41053", "213.4");
    EXPECT_FALSE(GeoNamesReader::parseLine(noLatitude, statistics));
    EXPECT_FALSE(GeoNamesReader::parseLine(offTheGlobe, statistics));
    EXPECT_FALSE(GeoNamesReader::parseLine("1\tShort\tShort", statistics));
    EXPECT_EQ(statistics.countOf(u"skipped: missing or impossible coordinates"_qs), 2);
    EXPECT_EQ(statistics.countOf(u"skipped: line with too few columns"_qs), 1);
}

BuiltPlace placeIn(std::int32_t number, const QString &name, std::int64_t population, const QString &region,
                   const QString &district, double latitude, double longitude)
{
    return {number, name, 1, latitude, longitude, population, region, district};
}

TEST(DuplicateNames, TellsPlacesApartByRegionThenDistrict)
{
    std::vector<BuiltPlace> places = {
        placeIn(1, u"Newport"_qs, 1000, u"New South Wales"_qs, u"Northern Beaches"_qs, -33.65, 151.32),
        placeIn(2, u"Newport"_qs, 500, u"Queensland"_qs, u"Moreton Bay"_qs, -27.21, 153.09),
        placeIn(3, u"Newport"_qs, 90000, u"Victoria"_qs, u"Hobsons Bay"_qs, -37.84, 144.88), // the largest keeps its name
        placeIn(4, u"NEWPORT"_qs, 200, u"Victoria"_qs, u"Wellington"_qs, -38.1, 147.0), // same sort key, region taken
        placeIn(5, u"Lonely"_qs, 10, u"Tasmania"_qs, u""_qs, -42.0, 147.0),
    };
    EXPECT_EQ(DuplicateNames::keepApart(places), 0);
    EXPECT_EQ(nameOf(places, 3), u"Newport"_qs);
    EXPECT_EQ(nameOf(places, 1), u"Newport (New South Wales)"_qs);
    EXPECT_EQ(nameOf(places, 2), u"Newport (Queensland)"_qs);
    EXPECT_EQ(nameOf(places, 4), u"NEWPORT (Victoria, Wellington)"_qs);
    EXPECT_EQ(nameOf(places, 5), u"Lonely"_qs);
}

TEST(DuplicateNames, CoordinatesOnlyAsTheLastResort)
{
    std::vector<BuiltPlace> places = {
        placeIn(1, u"Roth"_qs, 5000, u"Bavaria"_qs, u"Middle Franconia"_qs, 49.25, 11.09),
        placeIn(2, u"Roth"_qs, 300, u"Rheinland-Pfalz"_qs, u""_qs, 50.762, 7.7),
        placeIn(3, u"Roth"_qs, 200, u"Rheinland-Pfalz"_qs, u""_qs, 50.267, 7.896),
        placeIn(4, u"Roth"_qs, 100, u""_qs, u""_qs, -42.5, 171.1),     // neither region nor district
        placeIn(5, u"Roth"_qs, 50, u"Rheinland-Pfalz"_qs, u""_qs, 50.267, 7.896), // the same place again
    };
    EXPECT_EQ(DuplicateNames::keepApart(places), 1);
    EXPECT_EQ(places.size(), 4u);
    EXPECT_EQ(nameOf(places, 1), u"Roth"_qs);
    EXPECT_EQ(nameOf(places, 2), u"Roth (Rheinland-Pfalz, 50°45'43''N 7°42'00''E)"_qs);
    EXPECT_EQ(nameOf(places, 3), u"Roth (Rheinland-Pfalz, 50°16'01''N 7°53'46''E)"_qs);
    EXPECT_EQ(nameOf(places, 4), u"Roth (42°30'00''S 171°06'00''E)"_qs);
    EXPECT_EQ(nameOf(places, 5), u"<dropped>"_qs);
}

TEST(DuplicateNames, NeverNestsBracketsOrRepeatsAName)
{
    std::vector<BuiltPlace> places = {
        placeIn(1, u"Frankfurt (Oder)"_qs, 50000, u"Brandenburg"_qs, u""_qs, 52.34, 14.55),
        placeIn(2, u"Frankfurt (Oder)"_qs, 10, u"Hesse"_qs, u""_qs, 50.11, 8.68),
        // A source name that already reads like a label, and the label it would collide with.
        placeIn(3, u"Au (Tyrol)"_qs, 900, u"Salzburg"_qs, u""_qs, 47.0, 13.0),
        placeIn(4, u"Au"_qs, 800, u"Vorarlberg"_qs, u""_qs, 47.3, 9.98),
        placeIn(5, u"Au"_qs, 700, u"Tyrol"_qs, u""_qs, 47.5, 12.0),
    };
    DuplicateNames::keepApart(places);
    EXPECT_EQ(nameOf(places, 2), u"Frankfurt (Oder, Hesse)"_qs);
    EXPECT_EQ(nameOf(places, 3), u"Au (Tyrol)"_qs);
    EXPECT_EQ(nameOf(places, 5), u"Au (Tyrol, 47°30'00''N 12°00'00''E)"_qs);
}

TEST(AdminNames, JoinsOnCountryAndAdminCodes)
{
    const Result<AdminNames> names = AdminNames::fromJson(
        R"json([{"code":"AU.04","name":"Queensland"},{"code":"PL.74","name":"Łódź Voivodeship"},
            {"code":"RU.93","name":"Zabaykalskiy (Transbaikal) Kray"}])json",
        R"json([{"code":"AU.02.11500","name":"Campbelltown (NSW)"},{"code":"AU.04.32270","name":"Central Highlands"}])json");
    ASSERT_TRUE(names) << qPrintable(names.message());
    EXPECT_EQ(names->region(u"AU"_qs, u"04"_qs), u"Queensland"_qs);
    EXPECT_EQ(names->region(u"PL"_qs, u"74"_qs), u"Lódz Voivodeship"_qs);
    EXPECT_EQ(names->region(u"RU"_qs, u"93"_qs), u"Zabaykalskiy Kray"_qs);
    EXPECT_EQ(names->region(u"AU"_qs, u""_qs), u""_qs);
    EXPECT_EQ(names->region(u"NZ"_qs, u"04"_qs), u""_qs);
    EXPECT_EQ(names->district(u"AU"_qs, u"02"_qs, u"11500"_qs), u"Campbelltown"_qs);
    EXPECT_EQ(names->district(u"AU"_qs, u"04"_qs, u""_qs), u""_qs);
    const Result<AdminNames> broken = AdminNames::fromJson("{}", "[]");
    EXPECT_EQ(broken.status(), ResultStatus::Damaged);
    EXPECT_TRUE(broken.message().contains(u"admin1.json"_qs)) << qPrintable(broken.message());
}

TEST(NameChanges, ListsRenamedPlacesByCodeAndNumber)
{
    const NameChanges::Names previous = {
        {u"AUS"_qs, {{7932690, u"Newport (near Scarborough)"_qs}, {2, u"Sydney"_qs}}},
        {u"PL"_qs, {{3093133, u"Lodz"_qs}}},
    };
    const NameChanges::Names current = {
        {u"AUS"_qs, {{7932690, u"Newport (Queensland)"_qs}, {2, u"Sydney"_qs}, {3, u"New"_qs}}},
        {u"PL"_qs, {{3093133, u"Lódz"_qs}}},
        {u"NZ"_qs, {{4, u"Waitangi"_qs}}},
    };
    EXPECT_EQ(QString::fromUtf8(NameChanges::list(previous, current)),
              u"country\tplace number\told name\tnew name\n"
              u"AUS\t7932690\tNewport (near Scarborough)\tNewport (Queensland)\n"
              u"PL\t3093133\tLodz\tLódz\n"_qs);
    EXPECT_TRUE(NameChanges::read(u"/nonexistent/OrvelDB"_qs).empty());
}

TEST(NameChanges, ReadsEveryRecordOfEveryPlaceFile)
{
    QTemporaryDir dir;
    const PlaceFileText text(u"PL"_qs, {{3093133, u"Lódz"_qs, 1, 51.8, 19.5, 10, {}, {}},
                                        {5, u"Ávila"_qs, 1, 40.7, -4.7, 1, {}, {}}});
    ASSERT_TRUE(MaskedFile::write(dir.path() + u"/Orte_PL.txt"_qs, text.bytes()).ok());
    const NameChanges::Names names = NameChanges::read(dir.path());
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names.at(u"PL"_qs), (QHash<int, QString>{{3093133, u"Lódz"_qs}, {5, u"Ávila"_qs}}));
}
