#pragma once

#include <QString>

namespace orvel {

// Latitude or longitude text ("52°31'12\" N", "13 24 W", ...) to signed decimal degrees:
// up to three runs of digits are degrees, minutes and seconds; an "S" or "W" anywhere
// makes the value negative. Text without digits is 0.
double parseCoordinateText(const QString &text);

} // namespace orvel
