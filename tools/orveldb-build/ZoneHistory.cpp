#include "ZoneHistory.h"

#include <QDateTime>

#include <algorithm>

namespace orvel {

namespace {

DateTime localMoment(std::int64_t utcSeconds, int offsetSeconds)
{
    const QDateTime at = QDateTime::fromSecsSinceEpoch(utcSeconds + offsetSeconds, Qt::UTC);
    return DateTime(at.date().year(), at.date().month(), at.date().day(), at.time().hour(), at.time().minute(),
                    at.time().second());
}

} // namespace

std::vector<ZoneHistory::Row> ZoneHistory::rowsFrom(const Offset &initial, const std::vector<Transition> &transitions)
{
    std::vector<Row> rows = {{DateTime(FirstYear, 1, 1), initial}};
    Offset current = initial;
    for (const Transition &t : transitions) {
        const Row row{localMoment(t.utcSeconds, std::max(current.seconds, t.after.seconds)), t.after};
        current = t.after;
        while (rows.size() > 1 && rows.back().start >= row.start)
            rows.pop_back();
        if (rows.back().offset != row.offset)
            rows.push_back(row);
    }
    return rows;
}

std::vector<ZoneHistory::Row> ZoneHistory::rowsFor(const QTimeZone &zone)
{
    const QDateTime from(QDate(FirstYear, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(LastYear + 1, 1, 1), QTime(0, 0), Qt::UTC);
    const QTimeZone::OffsetData first = zone.offsetData(from);
    std::vector<Transition> transitions;
    for (const QTimeZone::OffsetData &data : zone.transitions(from, to))
        transitions.push_back({data.atUtc.toSecsSinceEpoch(), {data.offsetFromUtc, data.abbreviation}});
    // Qt's list ends with the zone file's table (2037 for most zones); the zone's rule
    // for later years is only reached transition by transition, asking from a second
    // after the last one (asked at its very instant, Qt finds none after the table).
    QDateTime after = transitions.empty() ? from : QDateTime::fromSecsSinceEpoch(transitions.back().utcSeconds, Qt::UTC);
    for (;;) {
        const QTimeZone::OffsetData next = zone.nextTransition(after.addSecs(1));
        if (!next.atUtc.isValid() || next.atUtc >= to || next.atUtc <= after)
            break;
        transitions.push_back({next.atUtc.toSecsSinceEpoch(), {next.offsetFromUtc, next.abbreviation}});
        after = next.atUtc;
    }
    return rowsFrom({first.offsetFromUtc, first.abbreviation}, transitions);
}

} // namespace orvel
