#include "placedb/PlaceOffsetLookup.h"

#include "placedb/PlaceDatabase.h"

#include <algorithm>

namespace orvel {

PlaceOffsetLookup::PlaceOffsetLookup(PlaceDatabase &database) : m_database(database) {}

std::optional<ChartPlace> PlaceOffsetLookup::findPlace(const QString &country, const QString &city)
{
    std::vector<CountryRecord> countries;
    if (country.isEmpty() || city.isEmpty() || !m_database.LoadCountryList(countries))
        return std::nullopt;
    const auto countryRecord = std::find_if(countries.begin(), countries.end(),
                                            [&](const CountryRecord &c) { return c.name == country; });
    if (countryRecord == countries.end())
        return std::nullopt;

    std::vector<PlaceRecord> places;
    if (!m_database.LoadPlaces(places, countryRecord->code, city))
        return std::nullopt;
    const auto place = std::find_if(places.begin(), places.end(), [&](const PlaceRecord &p) { return p.name == city; });
    if (place == places.end())
        return std::nullopt;
    return ChartPlace{place->name, countryRecord->name, place->latitude, place->longitude, place->tableCode,
                      place->zone};
}

bool PlaceOffsetLookup::offsetAt(const ChartPlace &place, const DateTime &local, double &offset)
{
    return m_database.GetDeltaGMT(local, place.tableCode, place.zone, offset);
}

} // namespace orvel
