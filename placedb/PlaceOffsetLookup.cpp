#include "placedb/PlaceOffsetLookup.h"

#include "engine/CoordinateText.h"
#include "placedb/PlaceDatabase.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvel {

namespace {

// Great-circle distance on a sphere of the Earth's mean radius (haversine).
double distanceKm(double lat1, double lon1, double lat2, double lon2)
{
    constexpr double radian = std::numbers::pi / 180.0;
    const double dLat = (lat2 - lat1) * radian;
    const double dLon = (lon2 - lon1) * radian;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2)
        + std::cos(lat1 * radian) * std::cos(lat2 * radian) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * 6371.0 * std::asin(std::min(1.0, std::sqrt(a)));
}

} // namespace

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
    return place->chartPlace(countryRecord->name);
}

bool PlaceOffsetLookup::offsetAt(const ChartPlace &place, const DateTime &local, double &offset)
{
    return m_database.GetDeltaGMT(local, place.tableCode, place.zone, offset);
}

std::vector<DirectoryCountry> PlaceOffsetLookup::countries()
{
    std::vector<CountryRecord> list;
    std::vector<DirectoryCountry> countries;
    if (!m_database.LoadCountryList(list))
        return countries;
    countries.reserve(list.size());
    for (const CountryRecord &c : list)
        countries.push_back({c.code, c.name, c.isoAlpha2(), c.isoAlpha3()});
    return countries;
}

std::optional<double> PlaceOffsetLookup::nearestPlaceKm(const QString &code, double latitude, double longitude)
{
    auto located = m_located.find(code);
    if (located == m_located.end()) {
        std::vector<PlaceRecord> places;
        m_database.LoadAllPlaces(places, code);
        std::vector<Point> points;
        points.reserve(places.size());
        for (const PlaceRecord &p : places)
            points.push_back({parseCoordinateText(p.latitude), parseCoordinateText(p.longitude)});
        located = m_located.insert(code, std::move(points));
    }
    std::optional<double> nearest;
    for (const Point &p : *located) {
        const double d = distanceKm(latitude, longitude, p.latitude, p.longitude);
        if (!nearest || d < *nearest)
            nearest = d;
    }
    return nearest;
}

} // namespace orvel
