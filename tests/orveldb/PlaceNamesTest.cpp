#include "DuplicateNames.h"
#include "GeoNamesReader.h"
#include "PlaceNameCleaner.h"

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

TEST(PlaceNameCleaner, FallsBackToAsciiOrSkips)
{
    const PlaceNameCleaner::Result polish = PlaceNameCleaner::clean(u"Łódź"_qs, u"Lodz"_qs);
    EXPECT_EQ(polish.name, u"Lodz"_qs);
    EXPECT_EQ(polish.outcome, Outcome::Ascii);
    // µ fits Windows-1252, but its upper case, the letter index key, does not.
    EXPECT_EQ(PlaceNameCleaner::clean(u"µville"_qs, u"Muville"_qs).outcome, Outcome::Ascii);
    EXPECT_EQ(PlaceNameCleaner::clean(u"6 de Enero"_qs, u"6 de Enero"_qs).outcome, Outcome::StartsWithDigit);
    EXPECT_EQ(PlaceNameCleaner::clean(u"北京"_qs, u""_qs).outcome, Outcome::Unusable);
    EXPECT_EQ(PlaceNameCleaner::clean(u"''"_qs, u"'"_qs).outcome, Outcome::Unusable);
    EXPECT_TRUE(PlaceNameCleaner::clean(u"\t"_qs, u""_qs).name.isEmpty());
}

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

TEST(DuplicateNames, KeepsPlacesOfTheSameNameApart)
{
    std::vector<BuiltPlace> places = {
        {1, u"Neustadt"_qs, 1, 49.35, 8.14, 53000},   // an der Weinstraße: the largest keeps its name
        {2, u"Coburg"_qs, 1, 50.26, 10.96, 41000},
        {3, u"Neustadt"_qs, 1, 50.33, 11.12, 15000},  // bei Coburg
        {4, u"Mannheim"_qs, 1, 49.49, 8.47, 300000},
        {5, u"NEUSTADT"_qs, 1, 54.10, 10.81, 15000},  // same sort key counts as the same name
        {6, u"Neustadt"_qs, 1, 50.33, 11.12, 900},    // the same place again
        {7, u"Lonely"_qs, 1, 10, 10, 10},
    };
    EXPECT_EQ(DuplicateNames::keepApart(places), 1);
    EXPECT_EQ(places.size(), 6u);
    EXPECT_EQ(nameOf(places, 1), u"Neustadt"_qs);
    EXPECT_EQ(nameOf(places, 3), u"Neustadt (near Coburg)"_qs);
    // Coburg is the nearest more populous place to Neustadt in Holstein too.
    EXPECT_EQ(nameOf(places, 5), u"NEUSTADT (near Coburg, 54°06'00''N 10°48'36''E)"_qs);
    EXPECT_EQ(nameOf(places, 6), u"<dropped>"_qs);
    EXPECT_EQ(nameOf(places, 7), u"Lonely"_qs);
}

TEST(DuplicateNames, UsesCoordinatesWithoutALargerNeighbour)
{
    std::vector<BuiltPlace> places = {
        {1, u"Springfield"_qs, 1, 39.8, -89.65, 100},
        {2, u"Springfield"_qs, 1, -42.5, 171.1, 100},
    };
    EXPECT_EQ(DuplicateNames::keepApart(places), 0);
    EXPECT_EQ(nameOf(places, 1), u"Springfield"_qs);
    EXPECT_EQ(nameOf(places, 2), u"Springfield (42°30'00''S 171°06'00''E)"_qs);
}
