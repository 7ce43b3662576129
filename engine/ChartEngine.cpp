#include "engine/ChartEngine.h"

#include "engine/AspectSearch.h"
#include "engine/CoordinateText.h"
#include "engine/Ephemeris.h"
#include "engine/GlyphLevels.h"
#include "platform/MessageSink.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace orvel {

ChartEngine::ChartEngine(MessageSink &errors) : ChartEngine(errors, errors, QString())
{
}

ChartEngine::ChartEngine(MessageSink &errors, MessageSink &notices, const QString &ephemerisFolder)
    : m_errors(errors), m_notices(notices), m_ephemerisFolder(ephemerisFolder)
{
    m_tables.aspects.reserve(PointCount * (PointCount - 1) / 2);
}

void ChartEngine::setCurrentSlot(int slot)
{
    m_tables.currentSlot = std::clamp(slot, 0, SlotCount - 1);
}

bool ChartEngine::computeChart(const HoroscopeRecord &record, const ChartSettings &settings)
{
    const double latitude = parseCoordinateText(record.latitude);
    const double longitude = parseCoordinateText(record.longitude);
    if (!computePositions(record.birth, record.deltaGmt))
        return false;
    computeHouses(record.birth, record.deltaGmt, longitude, latitude, settings.houseSystem);
    computeGlyphLevels();
    searchAspects(settings);
    return true;
}

bool ChartEngine::computePositions(const DateTime &local, double deltaGmt)
{
    const double julianDay = julianDayUt(local, deltaGmt);
    std::array<Ephemeris::BodyPosition, BodyCount> positions;
    bool builtIn = false;
    for (int body = 0; body < BodyCount; ++body) {
        const Result<Ephemeris::BodyPosition> position = Ephemeris::body(julianDay, body);
        if (!position) {
            m_errors.showMessage(position.message());
            return false;
        }
        positions[body] = position.value();
        builtIn = builtIn || positions[body].builtIn;
    }
    ChartSlot &slot = m_tables.chartSlots[m_tables.currentSlot];
    for (int body = 0; body < BodyCount; ++body) {
        slot.longitude[body] = positions[body].longitude;
        slot.speed[body] = positions[body].speed;
    }
    if (builtIn)
        tellBuiltInEphemeris();
    return true;
}

void ChartEngine::tellBuiltInEphemeris()
{
    if (m_builtInTold)
        return;
    m_builtInTold = true;
    m_notices.showMessage(QCoreApplication::translate("orvel::ChartEngine",
                                                      "The ephemeris files in %1 are missing or do not cover this "
                                                      "date: the positions come from the less exact built-in "
                                                      "ephemeris.")
                              .arg(QDir::toNativeSeparators(m_ephemerisFolder)));
}

double ChartEngine::julianDayUt(const DateTime &local, double deltaGmt)
{
    // Hours below 0 or from 24 on are passed as they are: the Julian day runs into the
    // neighbouring day.
    const double ut = local.hour() + local.minute() / 60.0 - deltaGmt;
    return Ephemeris::julianDay(local.year(), local.month(), local.day(), ut);
}

void ChartEngine::computeHouses(const DateTime &local, double deltaGmt, double longitude, double latitude,
                                int houseSystem)
{
    const Ephemeris::Houses houses = Ephemeris::houses(julianDayUt(local, deltaGmt), latitude, longitude, houseSystem);
    ChartSlot &slot = m_tables.chartSlots[m_tables.currentSlot];
    slot.cusp = houses.cusps;
    slot.longitude[Ascendant] = houses.ascendant;
    slot.longitude[Midheaven] = houses.midheaven;
}

void ChartEngine::computeGlyphLevels()
{
    GlyphLevels::compute(m_tables.chartSlots[m_tables.currentSlot]);
}

void ChartEngine::searchAspects(const ChartSettings &settings)
{
    const ChartSlot &slot = m_tables.chartSlots[m_tables.currentSlot];
    AspectSearch::search(slot, slot, settings, m_tables.aspects);
}

void ChartEngine::searchCrossAspects(const ChartSettings &settings)
{
    AspectSearch::search(m_tables.chartSlots[0], m_tables.chartSlots[1], settings, m_tables.aspects);
}

} // namespace orvel
