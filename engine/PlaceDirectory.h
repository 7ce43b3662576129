#pragma once

#include "engine/OffsetLookup.h"

#include <QString>

#include <optional>
#include <vector>

namespace orvel {

// One country of the place database: its code (international vehicle code where it
// has one, "USNY" for a state, "GBE" for England), the name stored with a horoscope
// and its ISO 3166 codes (the whole country's: "GB" and "GBR" for England), empty
// where the database does not know them.
struct DirectoryCountry {
    QString code;
    QString name;
    QString iso2; // alpha-2, "AT"
    QString iso3; // alpha-3, "AUT"
};

// What importing horoscopes from other programs needs from the place database
// besides offsets: places by name, the country list and the place nearest to a point.
class PlaceDirectory : public OffsetLookup {
public:
    // The place of a city in a country, both by exact name; nothing when unknown.
    virtual std::optional<ChartPlace> findPlace(const QString &country, const QString &city) = 0;
    // The countries in the order they are offered; empty when the list cannot be read.
    virtual std::vector<DirectoryCountry> countries() = 0;
    // The great-circle distance in kilometres from the point (decimal degrees, north
    // and east positive) to the nearest place of country `code`; nothing when the
    // country has no places.
    virtual std::optional<double> nearestPlaceKm(const QString &code, double latitude, double longitude) = 0;
};

} // namespace orvel
