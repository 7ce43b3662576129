#pragma once

#include "engine/AspectCode.h"
#include "engine/ChartSettings.h"
#include "engine/ChartSlot.h"

#include <vector>

namespace orvel {

// Finds, for every pair of chart points, the first aspect kind whose angle the pair's
// distance matches within the pair's orb.
class AspectSearch {
public:
    struct Measure {
        double difference = 0; // |distance - exact angle|, degrees
        bool applying = false;  // distance still below the exact angle
    };

    // Replaces `aspects` with the hits, ordered by first then second point. The first
    // point of a pair comes from `first`, the second from `second`: the same slot for a
    // single chart, slots 0 and 1 to compare two charts.
    static void search(const ChartSlot &first, const ChartSlot &second, const ChartSettings &settings,
                       std::vector<AspectCode> &aspects);

    // Difference and applying mark of an aspect of `kind` between two longitudes.
    static Measure measure(int kind, double firstLongitude, double secondLongitude,
                           const std::array<int, AspectKindCount> &angles);

    // Angular distance of two longitudes, 0 to 180 degrees.
    static double distance(double a, double b);
};

} // namespace orvel
