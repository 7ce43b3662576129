#include "engine/AspectSearch.h"

#include <cmath>
#include <cstdint>

namespace orvel {

double AspectSearch::distance(double a, double b)
{
    double d = b - a;
    if (d < 0)
        d += 360.0;
    if (d < 0 || d >= 360.0) // only for longitudes outside 0..360; fmod is slow
        d = std::fmod(std::fmod(d, 360.0) + 360.0, 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

void AspectSearch::search(const ChartSlot &first, const ChartSlot &second, const ChartSettings &settings,
                          std::vector<AspectCode> &aspects)
{
    aspects.clear();
    for (int i = 0; i < PointCount - 1; ++i) {
        for (int j = i + 1; j < PointCount; ++j) {
            const double d = distance(first.longitude[i], second.longitude[j]);
            for (int k = 0; k < AspectKindCount; ++k) {
                // Summed in 64 bits so that no pair of orbs can wrap; truncates toward zero.
                const std::int64_t orb = (std::int64_t{settings.orbs[i][k]} + settings.orbs[j][k]) / 2;
                if (std::abs(d - settings.aspectAngles[k]) <= orb) {
                    aspects.push_back({i, k, j});
                    break;
                }
            }
        }
    }
}

AspectSearch::Measure AspectSearch::measure(int kind, double firstLongitude, double secondLongitude,
                                            const std::array<int, AspectKindCount> &angles)
{
    double d = firstLongitude - secondLongitude;
    if (d < 0)
        d += 360.0;
    if (d > 180.0)
        d = 360.0 - d;
    const double x = d - angles[kind];
    return {std::abs(x), x < 0};
}

} // namespace orvel
