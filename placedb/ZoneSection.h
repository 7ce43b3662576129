#pragma once

#include "placedb/TimeTableRow.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace orvel {

// The rows of one zone of one time table, in file order.
//
// A time table ("Ttable_" + code + ".txt", masked, ISO 8859-1) begins with its zone
// index: the text before the first LF, entries "<zone>_<byte position> " in
// ascending zone order, each position that of the zone's first row. Rows of four
// fields follow, one zone's rows as one stretch: table code (or "KURZ" for a row
// that is skipped), zone number, start text "DD.MM.YYYY HH:MM:SS" (or
// "01.01.01 00:00:00" for the earliest moment) and designation.
struct ZoneSection {
    // Handheld programs know the earliest-moment text and want exactly 19 characters
    // otherwise; the desktop program reads any start text of 19 or more characters by
    // position and knows no earliest moment.
    enum class StartTexts { Handheld, Desktop };

    enum class Outcome {
        Read,       // the section was read (it may hold no rows)
        NotIndexed, // the zone has no usable index entry
        Malformed,  // a start text of the wrong length or an impossible date
    };

    // Reads zone `zone`'s rows from an unmasked time table into `section`.
    static Outcome read(const QByteArray &table, const QString &tableCode, int zone, StartTexts startTexts,
                        ZoneSection &section);

    QString tableCode; // as asked for
    int zone = 0;      // as asked for
    std::vector<TimeTableRow> rows;
};

} // namespace orvel
