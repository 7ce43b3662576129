#pragma once

#include "placedb/TimeTableRow.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QCoreApplication>
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
    Q_DECLARE_TR_FUNCTIONS(ZoneSection)

public:
    // Handheld programs know the earliest-moment text and want exactly 19 characters
    // otherwise; the desktop program reads any start text of 19 or more characters by
    // position and knows no earliest moment.
    enum class StartTexts { Handheld, Desktop };

    // Reads zone `zone`'s rows from the unmasked time table `table`, read from `path`.
    // The section may hold no rows. Missing when the zone has no usable index entry;
    // Damaged, with no rows, at a start text of the wrong length or an impossible date.
    static Result<ZoneSection> read(const QByteArray &table, const QString &path, const QString &tableCode, int zone,
                                    StartTexts startTexts);

    QString tableCode; // as asked for
    int zone = 0;      // as asked for
    std::vector<TimeTableRow> rows;
};

} // namespace orvel
