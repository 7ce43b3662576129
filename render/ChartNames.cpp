#include "render/ChartNames.h"

#include "engine/ChartConstants.h"

#include <QCoreApplication>

#include <array>

namespace orvel {

namespace {

template <std::size_t N> QString translated(const std::array<const char *, N> &names, int index)
{
    if (index < 0 || std::size_t(index) >= N)
        return {};
    return QCoreApplication::translate("ChartNames", names[std::size_t(index)]);
}

} // namespace

QString ChartNames::point(int point)
{
    return translated(PointNames, point);
}

QString ChartNames::aspect(int kind)
{
    return translated(AspectNames, kind);
}

QString ChartNames::sign(int sign)
{
    return translated(SignNames, sign);
}

QString ChartNames::element(int element)
{
    return translated(ElementNames, element);
}

QString ChartNames::quality(int quality)
{
    return translated(QualityNames, quality);
}

} // namespace orvel
