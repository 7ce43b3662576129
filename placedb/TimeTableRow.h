#pragma once

#include "platform/DateTime.h"

#include <QString>

#include <cstdint>

namespace orvel {

// One row of a time table: from `start` on, `designation` is in force at the zone.
// A start is either the earliest moment (written "01.01.01 00:00:00", before every
// date) or a dated moment; the dated moment 9999-12-31 23:59:00 is the open end.
struct TimeTableRow {
    enum class StartKind { Earliest, Dated };

    bool startsAtEarliest() const { return startKind == StartKind::Earliest; }
    bool startsAtOpenEnd() const;
    // True when the row starts strictly after `moment`, a valid date-time.
    bool startsAfter(const DateTime &moment) const;

    QString tableCode;        // as written in the row
    std::int32_t zone = 0;
    StartKind startKind = StartKind::Dated;
    DateTime start;           // valid when startKind is Dated
    QString designation;      // a zone-file key, or where the row hands the lookup over

    friend bool operator==(const TimeTableRow &, const TimeTableRow &) = default;
};

} // namespace orvel
