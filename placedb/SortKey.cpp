#include "placedb/SortKey.h"

namespace orvel {

QString MakeSortKey(const QString &name)
{
    struct Replacement {
        char16_t from;
        char16_t to;
    };
    static constexpr Replacement replacements[] = {
        {u'ü', u'U'}, {u'ö', u'O'}, {u'ä', u'A'}, {u'Ü', u'U'}, {u'Ö', u'O'},
        {u'Ä', u'A'}, {u'É', u'E'}, {u'Å', u'A'}, {u'Æ', u'A'},
    };

    QString key;
    key.reserve(name.size());
    for (QChar c : name) {
        if (c == u'\'')
            continue;
        for (const Replacement &r : replacements) {
            if (c == r.from) {
                c = QChar(r.to);
                break;
            }
        }
        // One character at a time: "ß" stays one character, as on the device.
        key.append(c.toUpper());
    }
    return key;
}

} // namespace orvel
