#pragma once

#include "engine/AspectCode.h"
#include "engine/ChartSettings.h"
#include "engine/ChartSlot.h"
#include "engine/HoroscopeRecord.h"

#include <array>
#include <vector>

namespace orvel {

class MessageSink;

// The chart tables of the three chart slots, the current slot and the aspect list:
// one set per program, owned by the program and passed by reference. Every chart
// computation writes into the current slot.
class ChartEngine {
public:
    // Ephemeris errors are shown through `errors`, which must outlive the engine.
    explicit ChartEngine(MessageSink &errors);

    int currentSlot() const { return m_currentSlot; }
    void setCurrentSlot(int slot);
    const ChartSlot &slot(int index) const { return m_slots.at(index); }
    ChartSlot &slot(int index) { return m_slots.at(index); }
    const std::vector<AspectCode> &aspects() const { return m_aspects; }

    // The whole computation of one horoscope into the current slot: positions, houses,
    // glyph levels and the aspects within the chart.
    void computeChart(const HoroscopeRecord &record, const ChartSettings &settings);

    // Longitudes and speeds of the eleven bodies at a local moment (seconds ignored)
    // and place; remembers moment and place for computeHouses. An ephemeris error is
    // shown once and leaves the bodies not yet reached as they were.
    void computePositions(const DateTime &local, double deltaGmt, double longitude, double latitude);
    // Cusps, AC and MC for the moment and place of the last computePositions.
    void computeHouses(int houseSystem);
    void computeGlyphLevels();
    // Aspects within the current slot.
    void searchAspects(const ChartSettings &settings);
    // Aspects between slot 0 (first point) and slot 1 (second point).
    void searchCrossAspects(const ChartSettings &settings);

    // The Julian day (UT) computePositions uses for a local moment: seconds ignored.
    static double julianDayUt(const DateTime &local, double deltaGmt);

private:

    MessageSink &m_errors;
    std::array<ChartSlot, SlotCount> m_slots{};
    int m_currentSlot = 0;
    std::vector<AspectCode> m_aspects;
    double m_lastJulianDay = 0;
    double m_lastLatitude = 0;
    double m_lastLongitude = 0;
};

} // namespace orvel
