#pragma once

namespace orvel {

// A local moment at which the clocks of a place were put back (the moment occurs twice)
// or forward (it never occurs), with the offsets from universal time in hours on both
// sides of the change. The lookup of such a moment gives `before`: the first occurrence
// of a repeated time, the old offset for a skipped one.
struct ClockChange {
    enum class Kind { Repeated, Skipped };

    Kind kind = Kind::Repeated;
    double before = 0; // hours, local = UT + before, until the change
    double after = 0;  // hours, from the change on

    friend bool operator==(const ClockChange &, const ClockChange &) = default;
};

} // namespace orvel
