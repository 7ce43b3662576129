#include "Windows1252Encoder.h"

#include "platform/Windows1252.h"

#include <QHash>

namespace orvel {

namespace {

// Built from the reader's own table, so what is written reads back as the same text.
// Tab, CR and LF separate fields and lines; they are encoded but no name may hold them.
const QHash<char16_t, char> &encodingTable()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t = {{u'\t', '\t'}, {u'\r', '\r'}, {u'\n', '\n'}};
        for (int byte = 0x20; byte < 0x100; ++byte) {
            const char b = char(byte);
            const QChar c = Windows1252::toText(&b, 1).front();
            if (c.isPrint())
                t.insert(c.unicode(), b);
        }
        return t;
    }();
    return table;
}

} // namespace

bool Windows1252Encoder::canEncode(QChar c)
{
    return c.isPrint() && encodingTable().contains(c.unicode());
}

bool Windows1252Encoder::canEncode(const QString &text)
{
    for (const QChar c : text) {
        if (!canEncode(c))
            return false;
    }
    return true;
}

QByteArray Windows1252Encoder::encode(const QString &text)
{
    const QHash<char16_t, char> &table = encodingTable();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(table.value(c.unicode(), '?'));
    return bytes;
}

} // namespace orvel
