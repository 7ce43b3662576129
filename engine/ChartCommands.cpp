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

void ChartCommands::computeInto(int slot, const HoroscopeRecord &record)
{
    m_engine.setCurrentSlot(slot);
    m_engine.computeChart(record, m_settings);
}

void ChartCommands::showRadixI()
{
    computeInto(0, m_horoscopes.at(0));
    m_mode = ChartMode::RadixI;
}

void ChartCommands::showRadixII()
{
    computeInto(1, m_horoscopes.at(1));
    m_mode = ChartMode::RadixII;
}

void ChartCommands::showComposite()
{
    computeInto(0, m_horoscopes.at(0));
    computeInto(1, m_horoscopes.at(1));
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
    m_mode = ChartMode::Composite;
}

void ChartCommands::showSynastry()
{
    computeInto(0, m_horoscopes.at(0));
    computeInto(1, m_horoscopes.at(1));
    m_engine.searchCrossAspects(m_settings);
    m_engine.setCurrentSlot(0);
    m_mode = ChartMode::Synastry;
}

int ChartCommands::horoscopeSlot() const
{
    const int slot = m_engine.currentSlot();
    return slot <= 1 && slot < static_cast<int>(m_horoscopes.size()) ? slot : 0;
}

void ChartCommands::showTransit()
{
    const int natalSlot = horoscopeSlot();
    const HoroscopeRecord &natal = m_horoscopes.at(natalSlot);
    computeInto(0, natal);

    HoroscopeRecord now = HoroscopeRecord::createDefault(m_clock.now());
    now.latitude = natal.latitude;
    now.longitude = natal.longitude;
    now.deltaGmt = m_clock.utcOffsetHours(now.birth);
    computeInto(1, now);

    m_engine.searchCrossAspects(m_settings);
    m_engine.setCurrentSlot(natalSlot);
    m_mode = ChartMode::Transit;
}

bool ChartCommands::showSolar(int year, const ChartPlace &place)
{
    WaitCursor busy(m_ui);
    const int slot = horoscopeSlot();
    const HoroscopeRecord &natal = m_horoscopes.at(slot);
    const double placeLongitude = parseCoordinateText(place.longitude);
    const double placeLatitude = parseCoordinateText(place.latitude);

    computeInto(slot, natal);
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
    SunTracker sun(m_ui, natalSun);
    do {
        const CalendarMoment c = fromModifiedJulianDay(t);
        const int h = static_cast<int>(c.hours);
        const double minutes = (c.hours - h) * 60;
        const int m = static_cast<int>(minutes);
        const int s = static_cast<int>((minutes - m) * 60);
        const DateTime moment(c.year, c.month, c.day, h, m, s);

        offset = 0.0;
        if (!m_places.offsetAt(place, moment, offset))
            return false;
        m_solarMoment = moment;
        m_solarPlace = place;

        const bool ahead = sun.natalSunAhead(ChartEngine::julianDayUt(moment, offset));
        step = ahead ? std::abs(step) / 2 : -std::abs(step) / 2;
        t += step;
    } while (std::abs(step) >= OneSecondInDays);

    m_engine.computePositions(m_solarMoment, offset, placeLongitude, placeLatitude);
    m_engine.computeHouses(m_settings.houseSystem);
    m_engine.computeGlyphLevels();
    m_engine.searchAspects(m_settings);
    m_solarYear = year;
    m_mode = ChartMode::Solar;
    return true;
}

void ChartCommands::recompute()
{
    switch (m_mode) {
    case ChartMode::RadixI: showRadixI(); break;
    case ChartMode::RadixII: showRadixII(); break;
    case ChartMode::Solar:
        if (m_solarPlace)
            showSolar(m_solarYear, *m_solarPlace);
        break;
    case ChartMode::Composite: showComposite(); break;
    case ChartMode::Synastry: showSynastry(); break;
    case ChartMode::Transit: showTransit(); break;
    }
}

} // namespace orvel
