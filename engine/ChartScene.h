#pragma once

#include "engine/ChartCommands.h"
#include "engine/ChartEngine.h"
#include "engine/ChartSettings.h"
#include "engine/HoroscopeRecord.h"

#include <vector>

namespace orvel {

// What a chart picture or an information window reads: the chart tables and aspect
// list of the engine, the chart mode with the solar place and moment, the settings and
// the horoscope list. Borrowed for one paint or one snapshot.
struct ChartScene {
    const ChartEngine &engine;
    const ChartCommands &commands;
    const ChartSettings &settings;
    const std::vector<HoroscopeRecord> &horoscopes;

    ChartMode mode() const { return commands.mode(); }
};

} // namespace orvel
