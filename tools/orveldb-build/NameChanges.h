#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <map>

namespace orvel {

// The places whose names differ between two databases, matched by country code and
// place number: stored horoscopes name their city, so a renamed place must be told.
class NameChanges {
public:
    using Names = std::map<QString, QHash<int, QString>>; // by country code, then place number

    // The names in every place file of the OrvelDB `folder`, read record by record
    // (whatever sort key wrote the letter index); empty without a database there.
    static Names read(const QString &folder);

    // UTF-8 lines "code TAB number TAB old name TAB new name" after a header line, for
    // the places of `current` that `previous` holds under another name, by code and number.
    static QByteArray list(const Names &previous, const Names &current);
};

} // namespace orvel
