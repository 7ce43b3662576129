#pragma once

#include <QString>

namespace orvel {

// Whether a typed latitude or longitude text is within range before it is stored.
// The text is read as runs of decimal digits (a comma counts as a full stop): the
// first is the degrees, the second the minutes, the third the seconds; further runs are
// ignored, missing ones are 0, every other character only separates runs.
class CoordinateCheck {
public:
    // True when degrees are 0 to `limit` (90 or 180), minutes and seconds 0 to 59, and
    // the minutes 0 at degrees equal to the limit. A text without digits reads as 0.
    static bool passes(const QString &text, int limit);
};

} // namespace orvel
