#include "platform/Windows1252.h"

#include <algorithm>
#include <array>

namespace orvel {

namespace {

// 0x80..0x9F; the five unassigned bytes keep their own code, as the device's
// conversion does. Every other byte equals its ISO 8859-1 code.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> makeTable()
{
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = byte >= 0x80 && byte <= 0x9F ? HighControls[byte - 0x80] : char16_t(byte);
    return table;
}

constexpr std::array<char16_t, 256> Table = makeTable();

// The byte of `c`, or -1 when the code page lacks it.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    const auto found = std::find(HighControls.begin(), HighControls.end(), c);
    return found == HighControls.end() ? -1 : int(0x80 + (found - HighControls.begin()));
}

} // namespace

QString Windows1252::toText(const char *data, qsizetype length)
{
    QString text(length, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < length; ++i)
        out[i] = Table[static_cast<unsigned char>(data[i])];
    return text;
}

QByteArray Windows1252::fromText(const QString &text, qsizetype *unencodable)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype missing = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const int byte = byteOf(text[i].unicode()); byte >= 0) {
            bytes += char(byte);
            continue;
        }
        // A pair of surrogates is one character.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes += '?';
        ++missing;
    }
    if (unencodable)
        *unencodable = missing;
    return bytes;
}

bool Windows1252::hasCharacter(QChar c)
{
    return byteOf(c.unicode()) >= 0;
}

} // namespace orvel
