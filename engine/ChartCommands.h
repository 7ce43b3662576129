#pragma once

#include "engine/ChartEngine.h"
#include "engine/ChartPlace.h"
#include "engine/ChartSettings.h"
#include "engine/HoroscopeRecord.h"

#include <optional>
#include <vector>

namespace orvel {

class Clock;
class MessageSink;
class OffsetLookup;

enum class ChartMode { RadixI = 1, RadixII = 2, Solar = 3, Composite = 4, Synastry = 5, Transit = 6 };

// The six chart commands: which horoscopes go into which chart slots, how they are
// combined, and which chart mode is shown afterwards. A command succeeds or fails as a
// whole: when the ephemeris refuses a body, every slot, the aspects, the current slot
// and the mode stay as the previous command left them, and the command returns false.
class ChartCommands {
public:
    // All references must outlive the commands; the horoscope list holds at least two
    // records whenever a command runs.
    ChartCommands(ChartEngine &engine, const std::vector<HoroscopeRecord> &horoscopes,
                  const ChartSettings &settings, const Clock &clock, OffsetLookup &places, MessageSink &ui);

    ChartMode mode() const { return m_mode; }
    // Whether any command has computed a chart yet.
    bool hasChart() const { return m_hasChart; }
    const std::optional<ChartPlace> &solarPlace() const { return m_solarPlace; }
    const DateTime &solarMoment() const { return m_solarMoment; }

    bool showRadixI();
    bool showRadixII();
    bool showComposite();
    bool showSynastry();
    // The current sky over the horoscope of the current slot: the clock's now, in
    // the computer's own time zone, wherever the horoscope's place lies.
    bool showTransit();
    // The solar return of the current slot's horoscope in `year` at `place`. Also
    // false, silently and with nothing changed, when the place's offset cannot be
    // looked up.
    bool showSolar(int year, const ChartPlace &place);
    // Runs the command of the current mode again (a Solar with its last year and place).
    bool recompute();
    // The slot of the horoscope a Transit or Solar starts from: the current slot when
    // it holds a horoscope of the list (Radix I or II), otherwise Radix I's.
    int horoscopeSlot() const;

private:
    bool computeInto(int slot, const HoroscopeRecord &record);
    // Runs `compute`; when it fails, puts the engine's tables back as they were.
    template <typename Compute> bool asWhole(ChartMode mode, Compute compute);
    bool computeComposite();
    bool computeSynastry();
    bool computeTransit();
    bool computeSolar(int year, const ChartPlace &place);

    ChartEngine &m_engine;
    const std::vector<HoroscopeRecord> &m_horoscopes;
    const ChartSettings &m_settings;
    const Clock &m_clock;
    OffsetLookup &m_places;
    MessageSink &m_ui;
    ChartMode m_mode = ChartMode::RadixI;
    bool m_hasChart = false;
    std::optional<ChartPlace> m_solarPlace;
    DateTime m_solarMoment;
    int m_solarYear = 0;
};

} // namespace orvel
