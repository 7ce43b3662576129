#pragma once

#include "engine/ChartConstants.h"

#include <array>

namespace orvel {

// The chart tables of one chart slot, as one computation leaves them.
struct ChartSlot {
    std::array<double, PointCount> longitude{}; // degrees, 0 <= value < 360
    std::array<double, PointCount> speed{};     // degrees per day; AC and MC stay 0
    std::array<double, HouseCount> cusp{};      // house 1 .. 12, degrees
    std::array<double, PointCount> level{};     // glyph level 0, 1 or 2 on the wheel
};

} // namespace orvel
