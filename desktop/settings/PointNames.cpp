#include "desktop/settings/PointNames.h"

#include "engine/ChartConstants.h"

#include <QCoreApplication>

namespace orvel {

namespace {

// The chart's own name of a point, as the engine spells it (the array shares this
// class's name).
const char *chartName(int point)
{
    return orvel::PointNames[point];
}

} // namespace

QString PointNames::point(int point)
{
    if (point < 0 || point >= PointCount)
        return {};
    // The chart's names, in the language they are translated to; only Neptune is
    // spelt in full here.
    if (point == Neptune)
        return QCoreApplication::translate("PointNames", "Neptune");
    return QCoreApplication::translate("ChartNames", chartName(point));
}

QString PointNames::aspect(int kind)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("PointNames", "Conjunction"),
                                        QT_TRANSLATE_NOOP("PointNames", "Sextile"),
                                        QT_TRANSLATE_NOOP("PointNames", "Square"),
                                        QT_TRANSLATE_NOOP("PointNames", "Trine"),
                                        QT_TRANSLATE_NOOP("PointNames", "Opposition")};
    if (kind < 0 || kind >= AspectKindCount)
        return {};
    return QCoreApplication::translate("PointNames", names[kind]);
}

} // namespace orvel
