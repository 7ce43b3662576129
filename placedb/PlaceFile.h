#pragma once

#include "placedb/PlaceRecord.h"

#include <QString>

#include <vector>

namespace orvel {

// A place file ("Orte_" + country code + ".txt", masked, Windows-1252). Its first
// line, up to the first LF, is the letter index: entries of one key character, the
// decimal position of the first record whose name's sort key begins with it, and a
// blank ("A23 B480 D951 "). Positions count characters of the whole text, which
// equal bytes. Records of six fields follow, those of one key character together.
class PlaceFile {
public:
    // The records of `keyCharacter`'s stretch, in file order, without those numbered
    // 0; empty when the index has no usable entry for it. `text` is the whole file.
    static std::vector<PlaceRecord> readStretch(const QString &text, QChar keyCharacter);
    // Every record after the index line, in file order, without those numbered 0.
    static std::vector<PlaceRecord> readAll(const QString &text);
};

} // namespace orvel
