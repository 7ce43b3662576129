#pragma once

#include <QString>

#include <optional>

namespace orvel {

enum class CoordinateAxis { Latitude, Longitude };

// Latitude or longitude text ("52°31'12\" N", "13 24 W", ...) to signed decimal degrees:
// up to three runs of digits are degrees, minutes and seconds; an "S" or "W" anywhere
// makes the value negative. Text without digits, or with numbers too long to hold, is 0.
double parseCoordinateText(const QString &text);

// Whether a latitude or longitude text typed by the user reads as the chart will read
// it: digits, separators (blanks . , ° ' "), at most one hemisphere letter of the axis
// (N or S, E or W, either case), degrees 0 to 90 or 180, minutes and seconds 0 to 59,
// and no minutes at the limit itself. A minus sign is refused, since only S and W give
// a sign. An empty text passes: whether a place may lack a coordinate is the caller's rule.
bool checkCoordinateText(const QString &text, CoordinateAxis axis);

// The hours of a time-zone text typed by the user: a decimal number with a point or a
// comma, an optional sign, from -14 to +14. Nothing for any other text.
std::optional<double> timeZoneHours(const QString &text);

} // namespace orvel
