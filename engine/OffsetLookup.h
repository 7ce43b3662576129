#pragma once

#include "engine/ChartPlace.h"
#include "platform/DateTime.h"

namespace orvel {

// What the chart variants need from the place database: the offset of local time
// from universal time at a place and local moment.
class OffsetLookup {
public:
    virtual ~OffsetLookup();
    // Sets `offset` (hours, local = UT + offset) when the place's rules name one;
    // otherwise leaves it as it was. False when the rules cannot be read.
    virtual bool offsetAt(const ChartPlace &place, const DateTime &local, double &offset) = 0;
};

} // namespace orvel
