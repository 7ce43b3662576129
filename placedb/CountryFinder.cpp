#include "placedb/CountryFinder.h"

#include <algorithm>

namespace orvel {

const CountryRecord *CountryFinder::find(const std::vector<CountryRecord> &countries, const QString &text)
{
    if (text.isEmpty())
        return nullptr;
    const auto first = [&](auto &&matches) {
        const auto it = std::find_if(countries.begin(), countries.end(), matches);
        return it == countries.end() ? nullptr : &*it;
    };
    if (const CountryRecord *c = first([&](const CountryRecord &c) { return c.name == text; }))
        return c;
    if (const CountryRecord *c =
            first([&](const CountryRecord &c) { return c.name.compare(text, Qt::CaseInsensitive) == 0; }))
        return c;
    return first([&](const CountryRecord &c) { return c.code.compare(text, Qt::CaseInsensitive) == 0; });
}

} // namespace orvel
