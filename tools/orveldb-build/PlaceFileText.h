#pragma once

#include "BuiltPlace.h"
#include "placedb/PlaceRecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace orvel {

// The plain (unmasked) text of a place file: the letter index, then one record per
// place, "number TAB table code TAB name TAB zone TAB latitude TAB longitude CR LF",
// grouped by the first character of the name's sort key in character-code order,
// each group ordered by sort key. Names must be usable (see PlaceNameCleaner).
class PlaceFileText {
public:
    PlaceFileText(const QString &tableCode, const std::vector<BuiltPlace> &places);

    // Windows-1252 bytes of the whole file.
    const QByteArray &bytes() const { return m_bytes; }
    // The records as the reader should give them back, in file order.
    const std::vector<PlaceRecord> &records() const { return m_records; }

private:
    QByteArray m_bytes;
    std::vector<PlaceRecord> m_records;
};

} // namespace orvel
