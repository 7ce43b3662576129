#pragma once

#include "BuildStatistics.h"
#include "SourcePlace.h"

#include <QByteArray>

#include <optional>

namespace orvel {

// Reads lines of the GeoNames cities file (tab-separated, UTF-8: geonameid, name,
// asciiname, alternatenames, latitude, longitude, feature class, feature code,
// country code, cc2, admin1 .. admin4, population, elevation, dem, timezone,
// modification date).
class GeoNamesReader {
public:
    // The place on `line`, or nullopt (counted in `statistics`) for a line with too
    // few columns, a bad id, or missing or impossible coordinates.
    static std::optional<SourcePlace> parseLine(const QByteArray &line, BuildStatistics &statistics);
};

} // namespace orvel
