#pragma once

#include "engine/ChartSlot.h"

namespace orvel {

// Spreads glyphs that stand close together on the wheel over three radii.
class GlyphLevels {
public:
    // Walks the points by longitude (ties by index): a point within 10 degrees after
    // the previous one takes the next level (0, 1, 2, 0, ...); any other point level 0.
    // There is no wrap-around at 0 degrees.
    static void compute(ChartSlot &slot);
};

} // namespace orvel
