#include "desktop/settings/PointNames.h"

#include <QStringList>

namespace orvel {

QString PointNames::point(int point)
{
    static const QStringList names = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
                                      "Uranus", "Neptune", "Pluto", "Mean Node", "AC", "MC"};
    return names.value(point);
}

QString PointNames::aspect(int kind)
{
    static const QStringList names = {"Conjunction", "Sextile", "Square", "Trine", "Opposition"};
    return names.value(kind);
}

} // namespace orvel
