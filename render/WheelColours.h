#pragma once

#include <QColor>
#include <QPalette>

namespace orvel {

// The two colours of the wheel that follow the surface it is painted on: the window
// colour behind the rings and discs, and the ink of lines and texts.
struct WheelColours {
    QColor window;
    QColor ink;

    // The colours of a list's background and text in `palette`, as a window shows them.
    static WheelColours of(const QPalette &palette)
    {
        return {palette.color(QPalette::Base), palette.color(QPalette::Text)};
    }
};

} // namespace orvel
