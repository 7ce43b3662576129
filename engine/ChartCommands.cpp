#include "engine/ChartCommands.h"

#include "engine/ChartMath.h"
#include "engine/CoordinateText.h"
#include "engine/GlyphLevels.h"
#include "engine/OffsetLookup.h"
#include "engine/SunTracker.h"
#include "platform/Clock.h"
#include "platform/WaitCursor.h"

#include <cmath>

namespace orvel {

namespace {
constexpr double OneSecondInDays = 1.0 / 86400.0;
}

ChartCommands::ChartCommands(ChartEngine &engine, const std::vector<HoroscopeRecord> &horoscopes,
                             const ChartSettings &settings, const Clock &clock, OffsetLookup &places,
                             MessageSink &ui)
    : m_engine(engine), m_horoscopes(horoscopes), m_settings(settings), m_clock(clock), m_places(places), m_ui(ui)
{
}

bool ChartCommands::computeInto(int slot, const HoroscopeRecord &record)
{
    m_engine.setCurrentSlot(slot);
    return m_engine.computeChart(record, m_settings);
}

template <typename Compute> bool ChartCommands::asWhole(ChartMode mode, Compute compute)
{
    const ChartEngine::Tables before = m_engine.tables();
    if (!compute()) {
        m_engine.restore(before);
        return false;
    }
    m_mode = mode;
    m_hasChart = true;
    return true;
}

bool ChartCommands::showRadixI()
{
    return asWhole(ChartMode::RadixI, [this] { return computeInto(0, m_horoscopes.at(0)); });
}

bool ChartCommands::showRadixII()
{
    return asWhole(ChartMode::RadixII, [this] { return computeInto(1, m_horoscopes.at(1)); });
}

bool ChartCommands::showComposite()
{
    return asWhole(ChartMode::Composite, [this] { return computeComposite(); });
}

bool ChartCommands::computeComposite()
{
    if (!computeInto(0, m_horoscopes.at(0)) || !computeInto(1, m_horoscopes.at(1)))
        return false;
    m_engine.setCurrentSlot(2);
    const ChartSlot &a = m_engine.slot(0);
    const ChartSlot &b = m_engine.slot(1);
    ChartSlot &composite = m_engine.slot(2);
    for (int h = 0; h < HouseCount; ++h)
        composite.cusp[h] = midpoint(a.cusp[h], b.cusp[h]);
    for (int p = 0; p < PointCount; ++p)
        composite.longitude[p] = midpoint(a.longitude[p], b.longitude[p]);
    m_engine.computeGlyphLevels();
    m_engine.searchAspects(m_settings);
    return true;
}

bool ChartCommands::showSynastry()
{
    return asWhole(ChartMode::Synastry, [this] { return computeSynastry(); });
}

bool ChartCommands::computeSynastry()
{
    if (!computeInto(0, m_horoscopes.at(0)) || !computeInto(1, m_horoscopes.at(1)))
        return false;
    m_engine.searchCrossAspects(m_settings);
    m_engine.setCurrentSlot(0);
    return true;
}

int ChartCommands::horoscopeSlot() const
{
    const int slot = m_engine.currentSlot();
    return slot <= 1 && slot < static_cast<int>(m_horoscopes.size()) ? slot : 0;
}

bool ChartCommands::showTransit()
{
    return asWhole(ChartMode::Transit, [this] { return computeTransit(); });
}

bool ChartCommands::computeTransit()
{
    const int natalSlot = horoscopeSlot();
    const HoroscopeRecord &natal = m_horoscopes.at(natalSlot);
    if (!computeInto(0, natal))
        return false;

    HoroscopeRecord now = HoroscopeRecord::createDefault(m_clock.now());
    now.latitude = natal.latitude;
    now.longitude = natal.longitude;
    now.deltaGmt = m_clock.utcOffsetHours(now.birth);
    if (!computeInto(1, now))
        return false;

    m_engine.searchCrossAspects(m_settings);
    m_engine.setCurrentSlot(natalSlot);
    return true;
}

bool ChartCommands::showSolar(int year, const ChartPlace &place)
{
    WaitCursor busy(m_ui);
    if (!asWhole(ChartMode::Solar, [this, year, &place] { return computeSolar(year, place); }))
        return false;
    m_solarYear = year;
    return true;
}

bool ChartCommands::computeSolar(int year, const ChartPlace &place)
{
    const int slot = horoscopeSlot();
    const HoroscopeRecord &natal = m_horoscopes.at(slot);
    const double placeLongitude = parseCoordinateText(place.longitude);
    const double placeLatitude = parseCoordinateText(place.latitude);

    if (!computeInto(slot, natal))
        return false;
    m_engine.slot(2).longitude = m_engine.slot(slot).longitude;
    const double natalSun = m_engine.slot(2).longitude[Sun];

    // Bisection on the Sun's longitude, from the birthday in that year: steps of
    // 2, 1, 0.5 ... days until they fall below one second. Only the Sun's side of the
    // natal Sun is needed on the way; the whole chart once, where the search ends.
    const DateTime &birth = natal.birth;
    double t = modifiedJulianDay(birth.day(), birth.month(), year,
                                 birth.hour() + birth.minute() / 60.0 + birth.second() / 3600.0);
    double step = 4.0;
    double offset = 0.0;
    DateTime moment;
    SunTracker sun(m_ui, natalSun);
    do {
        const CalendarMoment c = fromModifiedJulianDay(t);
        const int h = static_cast<int>(c.hours);
        const double minutes = (c.hours - h) * 60;
        const int m = static_cast<int>(minutes);
        const int s = static_cast<int>((minutes - m) * 60);
        moment = DateTime(c.year, c.month, c.day, h, m, s);

        offset = 0.0;
        if (!m_places.offsetAt(place, moment, offset))
            return false;
        const bool ahead = sun.natalSunAhead(ChartEngine::julianDayUt(moment, offset));
        if (sun.failed())
            return false;
        step = ahead ? std::abs(step) / 2 : -std::abs(step) / 2;
        t += step;
    } while (std::abs(step) >= OneSecondInDays);

    if (!m_engine.computePositions(moment, offset))
        return false;
    m_engine.computeHouses(moment, offset, placeLongitude, placeLatitude, m_settings.houseSystem);
    m_engine.computeGlyphLevels();
    m_engine.searchAspects(m_settings);
    m_solarMoment = moment;
    m_solarPlace = place;
    return true;
}

bool ChartCommands::recompute()
{
    switch (m_mode) {
    case ChartMode::RadixI: return showRadixI();
    case ChartMode::RadixII: return showRadixII();
    case ChartMode::Solar: return m_solarPlace && showSolar(m_solarYear, *m_solarPlace);
    case ChartMode::Composite: return showComposite();
    case ChartMode::Synastry: return showSynastry();
    case ChartMode::Transit: return showTransit();
    }
    return false;
}

} // namespace orvel
