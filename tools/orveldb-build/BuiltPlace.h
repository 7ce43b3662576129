#pragma once

#include <QString>

#include <cstdint>

namespace orvel {

// A place on its way into a place file: its cleaned name and where it lies.
struct BuiltPlace {
    std::int32_t number = 0; // the GeoNames id; never 0, which readers skip
    QString name;
    int zone = 0;            // zone number in the country's time table
    double latitude = 0;
    double longitude = 0;
    std::int64_t population = 0;
    QString region;   // first-level region's name, empty where unknown or where the country is that region
    QString district; // second-level district's name, empty where unknown
};

} // namespace orvel
