#pragma once

namespace orvel {

// The font of a program's windows: the chart text font, so that dialogs, message boxes,
// popups and tooltips read like the chart they belong to.
class ProgramFont {
public:
    // Makes the chart text font at `scale` times its size the font of every window the
    // program opens afterwards.
    static void set(int scale);
};

} // namespace orvel
