#include "DuplicateNames.h"

#include "engine/CoordinateFormat.h"
#include "placedb/SortKey.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace orvel {

namespace {

QString coordinatesOf(const BuiltPlace &place)
{
    return CoordinateFormat::latitude(place.latitude) + u' ' + CoordinateFormat::longitude(place.longitude);
}

QString joined(const QStringList &parts)
{
    QStringList present;
    for (const QString &part : parts) {
        if (!part.isEmpty())
            present.append(part);
    }
    return present.join(QStringLiteral(", "));
}

// `base` with `label` in brackets, or inside the bracket that `base` already ends with.
QString qualified(const QString &base, const QString &label)
{
    if (base.endsWith(u')') && base.contains(u'('))
        return base.chopped(1) + QStringLiteral(", ") + label + u')';
    return base + QStringLiteral(" (") + label + u')';
}

// The label that tells `place` apart from the `others` of its name.
QString labelFor(const BuiltPlace &place, const std::vector<const BuiltPlace *> &others)
{
    const auto shared = [&](auto &&same) {
        return std::any_of(others.begin(), others.end(), [&](const BuiltPlace *o) { return o != &place && same(*o); });
    };
    if (!place.region.isEmpty() && !shared([&](const BuiltPlace &o) { return o.region == place.region; }))
        return place.region;
    if (!place.district.isEmpty() &&
        !shared([&](const BuiltPlace &o) { return o.region == place.region && o.district == place.district; }))
        return joined({place.region, place.district});
    return joined({place.region, place.district, coordinatesOf(place)});
}

} // namespace

int DuplicateNames::keepApart(std::vector<BuiltPlace> &places)
{
    // Most populous first, so that the first of a name keeps it; ties by id.
    std::sort(places.begin(), places.end(), [](const BuiltPlace &a, const BuiltPlace &b) {
        return a.population != b.population ? a.population > b.population : a.number < b.number;
    });

    std::vector<BuiltPlace> kept;
    std::vector<QString> keys;
    kept.reserve(places.size());
    keys.reserve(places.size());
    QSet<QString> seenPlaces; // sort key of the source name with the coordinates
    for (BuiltPlace &place : places) {
        const QString key = MakeSortKey(place.name);
        const QString seen = key + u'|' + coordinatesOf(place);
        if (seenPlaces.contains(seen))
            continue;
        seenPlaces.insert(seen);
        keys.push_back(key);
        kept.push_back(std::move(place));
    }
    const int dropped = int(places.size() - kept.size());

    QHash<QString, std::vector<const BuiltPlace *>> byKey;
    for (std::size_t i = 0; i < kept.size(); ++i)
        byKey[keys[i]].push_back(&kept[i]);

    std::vector<QString> names(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const std::vector<const BuiltPlace *> &same = byKey[keys[i]];
        names[i] = same.front() == &kept[i] ? kept[i].name : qualified(kept[i].name, labelFor(kept[i], same));
    }

    // A source name that already reads like a qualified one could still collide.
    QSet<QString> takenKeys;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        QString name = names[i];
        QString key = MakeSortKey(name);
        if (takenKeys.contains(key)) {
            const QString coordinates = coordinatesOf(kept[i]);
            if (!name.contains(coordinates)) {
                name = qualified(name, coordinates);
                key = MakeSortKey(name);
            }
            for (int n = 2; takenKeys.contains(key); ++n) {
                name = qualified(names[i], QStringLiteral("%1, %2").arg(coordinates).arg(n));
                key = MakeSortKey(name);
            }
        }
        takenKeys.insert(key);
        kept[i].name = name;
    }
    places = std::move(kept);
    return dropped;
}

} // namespace orvel
