#include "engine/ChartScores.h"

#include "engine/ChartMath.h"

namespace orvel {

int ChartScores::signOf(double longitude, double ascendant)
{
    const double point = wheelAngle(longitude, ascendant);
    for (int k = 0; k < SignCount; ++k) {
        const double start = wheelAngle(30.0 * k, ascendant);
        const double end = start + 30.0;
        const bool inside = end <= 360.0 ? point >= start && point < end : point >= start || point < end - 360.0;
        if (inside)
            return k;
    }
    return 0;
}

int ChartScores::rulerOf(int sign)
{
    static constexpr int rulers[SignCount] = {Mars, Venus, Mercury, Moon, Sun, Mercury,
                                              Venus, Pluto, Jupiter, Saturn, Uranus, Neptune};
    return sign >= 0 && sign < SignCount ? rulers[sign] : -1;
}

ChartScores::ChartScores(const ChartSlot &slot, const ChartSettings &settings)
{
    const double ascendant = slot.longitude[Ascendant];
    for (int p = 0; p < PointCount; ++p)
        m_sign[p] = signOf(slot.longitude[p], ascendant);
    m_ruler = rulerOf(m_sign[Ascendant]);

    for (int p = 0; p < PointCount; ++p) {
        m_elementScores[element(p)] += settings.planetValues[p];
        m_qualityScores[quality(p)] += settings.planetValues[p];
    }
    if (m_ruler >= 0) {
        m_elementScores[element(m_ruler)] += settings.rulerBonus;
        m_qualityScores[quality(m_ruler)] += settings.rulerBonus;
    }
}

} // namespace orvel
