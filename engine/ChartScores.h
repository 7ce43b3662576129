#pragma once

#include "engine/ChartConstants.h"
#include "engine/ChartSettings.h"
#include "engine/ChartSlot.h"

#include <array>
#include <cstdint>

namespace orvel {

// Signs, elements and qualities of the points of one chart, and their scores from the
// planet values plus the bonus for the ruler of the first house.
class ChartScores {
public:
    ChartScores(const ChartSlot &slot, const ChartSettings &settings);

    int sign(int point) const { return m_sign[point]; }
    int element(int point) const { return m_sign[point] % ElementCount; }
    int quality(int point) const { return m_sign[point] % QualityCount; }
    // The point ruling the Ascendant's sign.
    int firstHouseRuler() const { return m_ruler; }
    // Summed in 64 bits: thirteen values and the bonus of any 32-bit size cannot wrap.
    const std::array<std::int64_t, ElementCount> &elementScores() const { return m_elementScores; }
    const std::array<std::int64_t, QualityCount> &qualityScores() const { return m_qualityScores; }

    // The sign 0 (Aries) .. 11 (Pisces) containing `longitude`, measured as the
    // information windows do: longitude and sign boundaries both turned so that the
    // Ascendant stands at 0; a longitude on a boundary belongs to the sign it starts.
    static int signOf(double longitude, double ascendant);
    // The point ruling a sign, or -1 for a number outside 0 .. 11.
    static int rulerOf(int sign);

private:
    std::array<int, PointCount> m_sign{};
    int m_ruler = -1;
    std::array<std::int64_t, ElementCount> m_elementScores{};
    std::array<std::int64_t, QualityCount> m_qualityScores{};
};

} // namespace orvel
