#include "engine/ChartEngine.h"

#include "engine/AspectSearch.h"
#include "engine/CoordinateText.h"
#include "engine/Ephemeris.h"
#include "engine/GlyphLevels.h"
#include "platform/MessageSink.h"

#include <algorithm>

namespace orvel {

ChartEngine::ChartEngine(MessageSink &errors) : m_errors(errors)
{
    m_aspects.reserve(PointCount * (PointCount - 1) / 2);
}

void ChartEngine::setCurrentSlot(int slot)
{
    m_currentSlot = std::clamp(slot, 0, SlotCount - 1);
}

void ChartEngine::computeChart(const HoroscopeRecord &record, const ChartSettings &settings)
{
    const double latitude = parseCoordinateText(record.latitude);
    const double longitude = parseCoordinateText(record.longitude);
    computePositions(record.birth, record.deltaGmt, longitude, latitude);
    computeHouses(settings.houseSystem);
    computeGlyphLevels();
    searchAspects(settings);
}

void ChartEngine::computePositions(const DateTime &local, double deltaGmt, double longitude, double latitude)
{
    m_lastLatitude = latitude;
    m_lastLongitude = longitude;
    m_lastJulianDay = julianDayUt(local, deltaGmt);

    ChartSlot &slot = m_slots[m_currentSlot];
    for (int body = 0; body < BodyCount; ++body) {
        Ephemeris::BodyPosition position;
        QString error;
        if (!Ephemeris::body(m_lastJulianDay, body, position, error)) {
            m_errors.showMessage(error);
            return;
        }
        slot.longitude[body] = position.longitude;
        slot.speed[body] = position.speed;
    }
}

double ChartEngine::julianDayUt(const DateTime &local, double deltaGmt)
{
    // Hours below 0 or from 24 on are passed as they are: the Julian day runs into the
    // neighbouring day.
    const double ut = local.hour() + local.minute() / 60.0 - deltaGmt;
    return Ephemeris::julianDay(local.year(), local.month(), local.day(), ut);
}

void ChartEngine::computeHouses(int houseSystem)
{
    const Ephemeris::Houses houses = Ephemeris::houses(m_lastJulianDay, m_lastLatitude, m_lastLongitude, houseSystem);
    ChartSlot &slot = m_slots[m_currentSlot];
    slot.cusp = houses.cusps;
    slot.longitude[Ascendant] = houses.ascendant;
    slot.longitude[Midheaven] = houses.midheaven;
}

void ChartEngine::computeGlyphLevels()
{
    GlyphLevels::compute(m_slots[m_currentSlot]);
}

void ChartEngine::searchAspects(const ChartSettings &settings)
{
    const ChartSlot &slot = m_slots[m_currentSlot];
    AspectSearch::search(slot, slot, settings, m_aspects);
}

void ChartEngine::searchCrossAspects(const ChartSettings &settings)
{
    AspectSearch::search(m_slots[0], m_slots[1], settings, m_aspects);
}

} // namespace orvel
