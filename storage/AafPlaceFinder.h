#pragma once

#include "engine/ChartPlace.h"

#include <QHash>
#include <QString>

#include <optional>

namespace orvel {

class PlaceDirectory;

// A city of an AAF record in the place database, by its country's name. Files often
// add the region to the city ("Kandel/Pfalz", "Paris (75)"), so the name before "/"
// or "(" is tried as well. Every answer is kept: a record's city is looked up when its
// country is chosen and again for its offset, and files repeat their cities.
class AafPlaceFinder {
public:
    // `places` must outlive the finder.
    explicit AafPlaceFinder(PlaceDirectory &places) : m_places(places) {}

    std::optional<ChartPlace> find(const QString &country, const QString &city);

private:
    PlaceDirectory &m_places;
    QHash<QString, std::optional<ChartPlace>> m_found; // by country and name
};

} // namespace orvel
