#pragma once

#include "engine/ChartSettings.h"

#include <QColor>

namespace orvel {

// A settings colour (red in the lowest byte) as Qt's colour.
inline QColor toQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Qt's colour as a settings colour.
inline Colour fromQColor(const QColor &colour)
{
    return rgb(colour.red(), colour.green(), colour.blue());
}

} // namespace orvel
