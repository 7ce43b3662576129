#pragma once

#include "engine/ChartSettings.h"

#include <functional>
#include <optional>

class QWidget;

namespace orvel {

// The two choosers the glyph pages open: a colour and a glyph, each preset with the
// current value and giving nothing when cancelled. Tests put answers in their place.
struct ValueChoosers {
    std::function<std::optional<Colour>(Colour current, QWidget *parent)> colour;
    std::function<std::optional<int>(int currentGlyph, QWidget *parent)> glyph;

    // The desktop's colour dialog and the symbol picker.
    static ValueChoosers dialogs();
};

} // namespace orvel
