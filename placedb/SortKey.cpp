#include "placedb/SortKey.h"

namespace orvel {

namespace {

// The base letters of the upper-case characters from U+00C0 to U+00DF; the sharp s
// (U+00DF) has no single capital and stands here for its own upper case, SS.
constexpr const char16_t *LatinCapitals[32] = {
    u"A", u"A", u"A", u"A", u"A", u"A", u"AE", u"C", u"E", u"E", u"E", u"E", u"I", u"I", u"I", u"I",
    u"D", u"N", u"O", u"O", u"O", u"O", u"O", u"\u00d7", u"O", u"U", u"U", u"U", u"U", u"Y", u"TH", u"SS",
};

void appendFolded(QString &key, QChar upper)
{
    const char16_t c = upper.unicode();
    if (c >= 0xC0 && c <= 0xDF) {
        key.append(QStringView(LatinCapitals[c - 0xC0]));
        return;
    }
    switch (c) {
    case 0x0160: // Š
        key.append(u'S');
        return;
    case 0x017D: // Ž
        key.append(u'Z');
        return;
    case 0x0178: // Ÿ
        key.append(u'Y');
        return;
    case 0x0152: // Œ
        key.append(u"OE");
        return;
    default:
        key.append(upper);
    }
}

} // namespace

QString MakeSortKey(const QString &name)
{
    QString key;
    key.reserve(name.size());
    for (const QChar c : name) {
        if (c != u'\'')
            appendFolded(key, c.toUpper());
    }
    return key;
}

} // namespace orvel
