#pragma once

#include "platform/DateTime.h"

#include <optional>

namespace orvel {

// The device clock: the current local date and time, unless a moment was fixed
// (tests and the command line's --now), in which case that moment is "now".
class Clock {
public:
    DateTime now() const;
    void fix(const DateTime &moment) { m_fixed = moment; }

private:
    std::optional<DateTime> m_fixed;
};

} // namespace orvel
