#pragma once

#include <QString>

namespace orvel {

// The names the settings pages show for points, aspect kinds and elements.
class PointNames {
public:
    static QString point(int point);   // 0 "Sun" .. 12 "MC"
    static QString aspect(int kind);   // 0 "Conjunction" .. 4 "Opposition"
    static QString element(int element); // 0 "Fire" .. 3 "Water"
};

} // namespace orvel
