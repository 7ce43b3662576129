#pragma once

#include "engine/CoordinateFormat.h"
#include "engine/PlaceDirectory.h"

#include <cmath>
#include <optional>
#include <vector>

namespace storagetest {

// A place database of a few countries and places; offsets by a simple summer rule
// (April to September one hour more) so that lookups are visible in the results.
class FakeDirectory : public orvel::PlaceDirectory {
public:
    struct Place {
        const char *code;
        const char *city;
        double latitude;
        double longitude;
        double standardOffset;
    };

    std::vector<orvel::DirectoryCountry> countries() override
    {
        ++countryLists;
        return countryList();
    }

    std::optional<orvel::ChartPlace> findPlace(const QString &country, const QString &city) override
    {
        ++placeLookups;
        for (const Place &p : Places) {
            if (nameOf(p.code) == country && city == QString::fromUtf8(p.city))
                return chartPlace(p);
        }
        return std::nullopt;
    }

    bool offsetAt(const orvel::ChartPlace &place, const orvel::DateTime &local, double &offset) override
    {
        ++offsetLookups;
        offset = place.zone + (local.month() >= 4 && local.month() <= 9 && place.zone == 1 ? 1 : 0);
        return true;
    }

    std::optional<double> nearestPlaceKm(const QString &code, double latitude, double longitude) override
    {
        std::optional<double> best;
        for (const Place &p : Places) {
            const double d = std::hypot(p.latitude - latitude, p.longitude - longitude) * 111;
            if (code == QLatin1String(p.code) && (!best || d < *best))
                best = d;
        }
        return best;
    }

    // What was asked of the database, to tell whether answers are kept.
    int countryLists = 0;
    int placeLookups = 0;
    int offsetLookups = 0;

private:
    static std::vector<orvel::DirectoryCountry> countryList()
    {
        return {{"D", "Deutschland", "DE", "DEU"},       {"F", "France", "FR", "FRA"},
                {"GBE", "England", "GB", "GBR"},         {"SCO", "Scotland", "GB", "GBR"},
                {"WL", "Wales", "GB", "GBR"},            {"NIR", "Northern Ireland", "GB", "GBR"},
                {"USNY", "USA - New York", "US", "USA"}, {"USCA", "USA - California", "US", "USA"},
                {"LCA", "Saint Lucia", "LC", "LCA"},     {"A", "\u00D6sterreich", "AT", "AUT"},
                {"CDN", "Canada", "CA", "CAN"},          {"ZA", "South Africa", "ZA", "ZAF"},
                {"E", "Spain", "ES", "ESP"},             {"ES", "El Salvador", "SV", "SLV"},
                {"I", "Italia", "IT", "ITA"}};
    }

    QString nameOf(const char *code)
    {
        for (const orvel::DirectoryCountry &c : countryList()) {
            if (c.code == QLatin1String(code))
                return c.name;
        }
        return {};
    }

    orvel::ChartPlace chartPlace(const Place &p)
    {
        return orvel::ChartPlace{QString::fromUtf8(p.city), nameOf(p.code), orvel::CoordinateFormat::latitude(p.latitude),
                          orvel::CoordinateFormat::longitude(p.longitude), QStringLiteral("T"), int(p.standardOffset)};
    }

    static constexpr Place Places[] = {
        {"D", "Berlin", 52.5167, 13.4, 1},          {"D", "Freiburg", 48.0, 7.85, 1},
        {"F", "Paris", 48.8667, 2.3333, 1},         {"GBE", "London", 51.5, -0.1167, 0},
        {"SCO", "Edinburgh", 55.95, -3.2, 0},       {"WL", "Cardiff", 51.4833, -3.1833, 0},
        {"NIR", "Belfast", 54.6, -5.9333, 0},       {"USNY", "New York", 40.7167, -74.0, -5},
        {"USCA", "Los Angeles", 34.05, -118.25, -8}, {"LCA", "Castries", 14.0, -61.0, -4},
        {"CDN", "Toronto", 43.65, -79.3833, -5},    {"ZA", "Johannesburg", -26.2, 28.05, 2},
        {"E", "Madrid", 40.4167, -3.7, 1},          {"E", "Guadalupe", 39.45, -5.3333, 1},
        {"ES", "San Salvador", 13.7, -89.2, -6},    {"ES", "Guadalupe", 13.6333, -88.95, -6},
        {"I", "Roma", 41.9, 12.5, 1},
    };
};

} // namespace storagetest
