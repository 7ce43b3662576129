#pragma once

#include "placedb/PlaceDatabase.h"

#include <QFileInfoList>
#include <QString>

#include <vector>

namespace orvel::bench {

// The files of a database folder matching `pattern`, largest first.
QFileInfoList largestFirst(const QString &folder, const QString &pattern);
// The country or table code in a database file's name: "Orte_MEX.txt" with prefix
// "Orte_" gives "MEX".
QString codeOf(const QFileInfo &file, const QString &prefix);

// The places of one letter of a country: what the city field lists after that letter.
struct LetterStretch {
    QChar letter;
    std::vector<PlaceRecord> places;
};
// The letter A to Z under which country `code` has the most places.
LetterStretch longestStretch(PlaceDatabase &database, const QString &code);

} // namespace orvel::bench
