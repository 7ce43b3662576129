#include "engine/CoordinateFormat.h"

#include <cmath>

namespace orvel {

namespace {

QString format(double degrees, QChar positive, QChar negative)
{
    const long long seconds = std::llround(std::abs(degrees) * 3600);
    return QStringLiteral("%1\u00B0%2'%3''%4")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'))
        .arg(degrees < 0 && seconds > 0 ? negative : positive);
}

} // namespace

QString CoordinateFormat::latitude(double degrees)
{
    return format(degrees, u'N', u'S');
}

QString CoordinateFormat::longitude(double degrees)
{
    return format(degrees, u'E', u'W');
}

} // namespace orvel
