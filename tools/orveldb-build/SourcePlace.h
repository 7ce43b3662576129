#pragma once

#include <QString>

#include <cstdint>

namespace orvel {

// One line of the GeoNames cities file, the columns the database needs.
struct SourcePlace {
    std::int32_t geonameId = 0;
    QString name;      // UTF-8 decoded, as GeoNames gives it
    QString asciiName;
    double latitude = 0;
    double longitude = 0;
    QString countryCode; // ISO 3166 alpha-2
    QString admin1;      // region code, e.g. a US state or "ENG"
    QString admin2;      // district code within the region, often empty
    std::int64_t population = 0;
    QString timeZone; // IANA name
};

} // namespace orvel
