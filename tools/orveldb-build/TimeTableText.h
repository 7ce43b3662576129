#pragma once

#include "placedb/TimeTableRow.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace orvel {

// The plain (unmasked) text of a time table: the zone index, then the rows of zone 1,
// zone 2, ..., each "table code TAB zone TAB DD.MM.YYYY HH:MM:SS TAB designation CR LF".
// Every start is a dated moment; no row starts at the earliest moment or the open
// end, so no designation is ever read as a handover to another table.
class TimeTableText {
public:
    // A dated start and a designation per row, in ascending order of start.
    struct Row {
        DateTime start;
        QString designation;
    };

    // `zones[i]` holds the rows of zone i + 1.
    TimeTableText(const QString &tableCode, const std::vector<std::vector<Row>> &zones);

    // ISO 8859-1 bytes of the whole file.
    const QByteArray &bytes() const { return m_bytes; }
    // The rows of each zone as the reader should give them back.
    const std::vector<std::vector<TimeTableRow>> &sections() const { return m_sections; }

private:
    QByteArray m_bytes;
    std::vector<std::vector<TimeTableRow>> m_sections;
};

} // namespace orvel
