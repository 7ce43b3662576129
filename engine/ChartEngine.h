#pragma once

#include "engine/AspectCode.h"
#include "engine/ChartSettings.h"
#include "engine/ChartSlot.h"
#include "engine/HoroscopeRecord.h"

#include <QString>

#include <array>
#include <vector>

namespace orvel {

class MessageSink;

// The chart tables of the three chart slots, the current slot and the aspect list:
// one set per program, owned by the program and passed by reference. Every chart
// computation writes into the current slot.
class ChartEngine {
public:
    // Ephemeris errors are shown through `errors`; the notice that positions came from
    // the built-in ephemeris through `notices`, naming `ephemerisFolder`. Both sinks must
    // outlive the engine.
    explicit ChartEngine(MessageSink &errors);
    ChartEngine(MessageSink &errors, MessageSink &notices, const QString &ephemerisFolder);

    // Everything a chart command may change: taken before it, put back when it fails.
    struct Tables {
        std::array<ChartSlot, SlotCount> chartSlots{};
        int currentSlot = 0;
        std::vector<AspectCode> aspects;
    };
    const Tables &tables() const { return m_tables; }
    void restore(const Tables &tables) { m_tables = tables; }

    int currentSlot() const { return m_tables.currentSlot; }
    void setCurrentSlot(int slot);
    const ChartSlot &slot(int index) const { return m_tables.chartSlots.at(index); }
    ChartSlot &slot(int index) { return m_tables.chartSlots.at(index); }
    const std::vector<AspectCode> &aspects() const { return m_tables.aspects; }

    // The whole computation of one horoscope into the current slot: positions, houses,
    // glyph levels and the aspects within the chart. False after an ephemeris error,
    // with the slot and the aspects as they were.
    bool computeChart(const HoroscopeRecord &record, const ChartSettings &settings);

    // Geocentric longitudes and speeds of the eleven bodies at a local moment (seconds
    // ignored). An ephemeris error is shown once and leaves the slot as it was (false).
    bool computePositions(const DateTime &local, double deltaGmt);
    // Cusps, AC and MC at a local moment (seconds ignored) and place, in degrees.
    void computeHouses(const DateTime &local, double deltaGmt, double longitude, double latitude, int houseSystem);
    void computeGlyphLevels();
    // Aspects within the current slot.
    void searchAspects(const ChartSettings &settings);
    // Aspects between slot 0 (first point) and slot 1 (second point).
    void searchCrossAspects(const ChartSettings &settings);

    // The Julian day (UT) computePositions uses for a local moment: seconds ignored.
    static double julianDayUt(const DateTime &local, double deltaGmt);

private:
    void tellBuiltInEphemeris();

    MessageSink &m_errors;
    MessageSink &m_notices;
    QString m_ephemerisFolder;
    bool m_builtInTold = false; // the built-in ephemeris is named once per engine
    Tables m_tables;
};

} // namespace orvel
