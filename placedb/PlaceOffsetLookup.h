#pragma once

#include "engine/PlaceDirectory.h"

#include <QHash>

namespace orvel {

class PlaceDatabase;

// Places and offsets for the chart variants and the horoscope import, from the place
// database: the country by exact name in the country list, the city by exact name
// among its places.
class PlaceOffsetLookup : public PlaceDirectory {
public:
    // `database` must outlive the lookup.
    explicit PlaceOffsetLookup(PlaceDatabase &database);

    std::optional<ChartPlace> findPlace(const QString &country, const QString &city) override;
    bool offsetAt(const ChartPlace &place, const DateTime &local, double &offset) override;
    std::vector<DirectoryCountry> countries() override;
    std::optional<double> nearestPlaceKm(const QString &code, double latitude, double longitude) override;

private:
    struct Point {
        double latitude;
        double longitude;
    };

    PlaceDatabase &m_database;
    // Where the places of the countries nearestPlaceKm looked at lie, read once per
    // lookup object.
    QHash<QString, std::vector<Point>> m_located;
};

} // namespace orvel
