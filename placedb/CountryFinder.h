#pragma once

#include "placedb/CountryRecord.h"

#include <QString>

#include <vector>

namespace orvel {

// Finds a country of a country list as a person names it when typing: by its exact
// name, else by its name in any case ("germany"), else by its code in any case ("d").
class CountryFinder {
public:
    // The record within `countries`, or nullptr when none matches.
    static const CountryRecord *find(const std::vector<CountryRecord> &countries, const QString &text);
};

} // namespace orvel
