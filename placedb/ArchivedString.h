#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvel {

// One wide string in the class library's archive format, as in the last-used-country
// file: the byte 0xFF and the 16-bit value 0xFFFE (a wide string follows), the
// length in characters (one byte below 255; else 0xFF and a 16-bit length below
// 0xFFFE; else 0xFF, 0xFFFF and a 32-bit length), then the characters as UTF-16.
// All numbers little-endian; no terminator.
class ArchivedString {
public:
    static QByteArray encode(const QString &text);
    // The string at the start of `bytes`; bytes after it are ignored. nullopt when
    // the data ends early or does not hold a wide string.
    static std::optional<QString> decode(const QByteArray &bytes);
};

} // namespace orvel
