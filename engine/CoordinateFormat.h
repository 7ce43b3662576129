#pragma once

#include <QString>

namespace orvel {

// Coordinate texts of the place files and the horoscope file: whole degrees, minutes and seconds with the
// hemisphere letter, "50°47'12''N", "6°05'09''W"; rounded to the second.
class CoordinateFormat {
public:
    static QString latitude(double degrees);
    static QString longitude(double degrees);
};

} // namespace orvel
