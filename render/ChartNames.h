#pragma once

#include <QString>

namespace orvel {

// The names of chart points, aspects, signs, elements and qualities in the user's
// language, for windows; files and orvelchart keep the names of ChartConstants.h.
// An index out of range gives an empty name.
class ChartNames {
public:
    static QString point(int point);
    static QString aspect(int kind);
    static QString sign(int sign);
    static QString element(int element);
    static QString quality(int quality);
};

} // namespace orvel
