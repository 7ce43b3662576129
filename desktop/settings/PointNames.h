#pragma once

#include <QString>

namespace orvel {

// The names the settings pages show for points and aspect kinds (the handheld's
// windows spell some of them differently).
class PointNames {
public:
    static QString point(int point);   // 0 "Sun" .. 12 "MC"
    static QString aspect(int kind);   // 0 "Conjunction" .. 4 "Opposition"
};

} // namespace orvel
