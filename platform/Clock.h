#pragma once

#include "platform/DateTime.h"

#include <QTimeZone>
#include <optional>

namespace orvel {

// The computer's clock: the current local date and time in the computer's own time
// zone, unless a moment was fixed (tests and the command line's --now), in which case
// that moment is "now". Tests may fix the zone too.
class Clock {
public:
    DateTime now() const;
    void fix(const DateTime &moment) { m_fixed = moment; }
    // Offset of the computer's zone from universal time at a local moment, in hours
    // (local = UT + offset), daylight saving included.
    double utcOffsetHours(const DateTime &local) const;
    void fixZone(const QTimeZone &zone) { m_zone = zone; }

private:
    std::optional<DateTime> m_fixed;
    std::optional<QTimeZone> m_zone;
};

} // namespace orvel
