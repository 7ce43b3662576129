#pragma once

#include "platform/DateTime.h"

#include <QString>
#include <QTimeZone>

#include <cstdint>
#include <vector>

namespace orvel {

// The history of one IANA zone as time-table rows: from each row's local start moment
// on, its abbreviation and offset are in force.
//
// A transition at universal instant t from offset a to offset b makes a row that
// starts at local time t + max(a, b). So local times that occur twice (a > b) or never
// (a < b) around a transition are read with the offset in force before it: the first
// occurrence of a repeated time, the old offset for a skipped one.
class ZoneHistory {
public:
    struct Offset {
        int seconds = 0; // local = universal + seconds
        QString abbreviation;
        friend bool operator==(const Offset &, const Offset &) = default;
    };

    struct Transition {
        std::int64_t utcSeconds = 0; // since 1970-01-01 00:00:00 UTC
        Offset after;
    };

    struct Row {
        DateTime start;
        Offset offset;
        friend bool operator==(const Row &, const Row &) = default;
    };

    // The first row starts at 01.01.1000 00:00:00 with the offset before the first transition.
    static constexpr int FirstYear = 1000;
    // Transitions are expanded through this year (the zone's rule beyond its table
    // included), the last year of the ephemeris files shipped with the programs.
    static constexpr int LastYear = 2399;

    // Rows for `zone` from Qt's reading of the system's zoneinfo files.
    static std::vector<Row> rowsFor(const QTimeZone &zone);

    // Rows for a zone that starts with `initial` and changes at `transitions` (in
    // order). Transitions that change nothing are dropped; a row that a later one
    // starts at or before (transitions closer together than their offsets differ) is
    // dropped too, so rows always stand in ascending order.
    static std::vector<Row> rowsFrom(const Offset &initial, const std::vector<Transition> &transitions);
};

} // namespace orvel
