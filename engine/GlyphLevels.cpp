#include "engine/GlyphLevels.h"

#include <algorithm>
#include <numeric>

namespace orvel {

void GlyphLevels::compute(ChartSlot &slot)
{
    std::array<int, PointCount> order;
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return slot.longitude[a] < slot.longitude[b]; });

    int previous = -1;
    for (const int point : order) {
        const bool close = previous >= 0 && slot.longitude[point] - slot.longitude[previous] <= 10.0;
        slot.level[point] = close ? static_cast<int>(slot.level[previous] + 1) % 3 : 0;
        previous = point;
    }
}

} // namespace orvel
