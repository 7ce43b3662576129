#pragma once

#include <QSize>
#include <QString>

#include <functional>

namespace orvel {

// The scale the handheld program's window opens at: the one asked for, or the largest
// smaller one whose window still fits the screen's available area.
class ScaleChoice {
public:
    // The largest scale from 1 to `requested` at which `windowSize(scale)` fits within
    // `available`; 1 when not even that fits.
    static int largestFitting(int requested, QSize available, const std::function<QSize(int scale)> &windowSize);

    // The one line that tells the user a smaller scale was taken; empty when `chosen` is
    // the one asked for.
    static QString notice(int requested, int chosen, QSize available);
};

} // namespace orvel
