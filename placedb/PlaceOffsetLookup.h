#pragma once

#include "engine/OffsetLookup.h"

namespace orvel {

class PlaceDatabase;

// Places and offsets for the chart variants, from the place database: the country
// by exact name in the country list, the city by exact name among its places.
class PlaceOffsetLookup : public OffsetLookup {
public:
    // `database` must outlive the lookup.
    explicit PlaceOffsetLookup(PlaceDatabase &database);

    std::optional<ChartPlace> findPlace(const QString &country, const QString &city) override;
    bool offsetAt(const ChartPlace &place, const DateTime &local, double &offset) override;

private:
    PlaceDatabase &m_database;
};

} // namespace orvel
