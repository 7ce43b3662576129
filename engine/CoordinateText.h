#pragma once

#include <QString>

namespace orvel {

// Latitude or longitude text ("52°31'12\" N", "13 24 W", ...) to signed decimal degrees:
// up to three runs of digits are degrees, minutes and seconds; an "S" or "W" anywhere
// makes the value negative. Text without digits, or with numbers too long to hold, is 0.
double parseCoordinateText(const QString &text);

// Whether a latitude (limit 90) or longitude (limit 180) text typed by the user holds
// degrees 0..limit, minutes and seconds 0..59, and no minutes at the limit itself.
// Letters and signs only separate the numbers here.
bool checkCoordinateText(const QString &text, int limit);

} // namespace orvel
