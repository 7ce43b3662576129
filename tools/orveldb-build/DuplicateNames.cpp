#include "DuplicateNames.h"

#include "CoordinateFormat.h"
#include "placedb/SortKey.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvel {

namespace {

// Squared distance on a local flat projection; enough to pick the nearest place.
double distanceSquared(const BuiltPlace &a, const BuiltPlace &b)
{
    const double meanLatitude = (a.latitude + b.latitude) / 2 * std::numbers::pi / 180;
    const double dx = (a.longitude - b.longitude) * std::cos(meanLatitude);
    const double dy = a.latitude - b.latitude;
    return dx * dx + dy * dy;
}

} // namespace

int DuplicateNames::keepApart(std::vector<BuiltPlace> &places)
{
    // Most populous first, so that "more populous" is "earlier"; ties by id.
    std::sort(places.begin(), places.end(), [](const BuiltPlace &a, const BuiltPlace &b) {
        return a.population != b.population ? a.population > b.population : a.number < b.number;
    });
    std::vector<QString> keys;
    keys.reserve(places.size());
    for (const BuiltPlace &place : places)
        keys.push_back(MakeSortKey(place.name));

    QSet<QString> takenKeys;   // sort keys of the names given so far
    QSet<QString> seenPlaces;  // sort key of the source name with the coordinates
    std::vector<BuiltPlace> kept;
    kept.reserve(places.size());
    int dropped = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        BuiltPlace place = places[i];
        const QString coordinates =
            CoordinateFormat::latitude(place.latitude) + u' ' + CoordinateFormat::longitude(place.longitude);
        if (seenPlaces.contains(keys[i] + u'|' + coordinates)) {
            ++dropped;
            continue;
        }
        seenPlaces.insert(keys[i] + u'|' + coordinates);
        if (takenKeys.contains(keys[i])) {
            const BuiltPlace *nearest = nullptr;
            for (std::size_t j = 0; j < i; ++j) {
                if (keys[j] != keys[i] && (!nearest || distanceSquared(places[j], place) < distanceSquared(*nearest, place)))
                    nearest = &places[j];
            }
            const QString base = places[i].name;
            place.name = nearest ? QStringLiteral("%1 (near %2)").arg(base, nearest->name) : QString();
            if (place.name.isEmpty() || takenKeys.contains(MakeSortKey(place.name)))
                place.name = nearest ? QStringLiteral("%1 (near %2, %3)").arg(base, nearest->name, coordinates)
                                     : QStringLiteral("%1 (%2)").arg(base, coordinates);
            // A source name that already looks like a qualified one could still collide.
            for (int n = 2; takenKeys.contains(MakeSortKey(place.name)); ++n)
                place.name = QStringLiteral("%1 (%2, %3)").arg(base, coordinates).arg(n);
        }
        takenKeys.insert(MakeSortKey(place.name));
        kept.push_back(place);
    }
    places = std::move(kept);
    return dropped;
}

} // namespace orvel
