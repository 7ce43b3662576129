#pragma once

#include "engine/ChartCommands.h"
#include "engine/CommandId.h"

namespace orvel {

// Which commands the user can choose in a chart mode; the others are shown greyed.
// Solar, Transit and the horoscope commands start from a single birth chart; the
// element and quality windows score one chart and mean nothing for two.
constexpr bool isAvailable(CommandId command, ChartMode mode)
{
    const bool birthChart = mode == ChartMode::RadixI || mode == ChartMode::RadixII;
    switch (command) {
    case CommandId::Solar:
    case CommandId::Transit:
    case CommandId::New:
    case CommandId::Edit:
    case CommandId::Load:
        return birthChart;
    case CommandId::Elements:
    case CommandId::Qualities:
        return mode != ChartMode::Synastry && mode != ChartMode::Transit;
    default:
        return true;
    }
}

} // namespace orvel
