#pragma once

#include <QByteArray>
#include <QString>

namespace orvel {

// The Western European ANSI code page of the handheld, in which place files are
// written. One character per byte, so positions in the text are byte positions.
class Windows1252 {
public:
    static QString toText(const char *data, qsizetype length);
    // `text` in the code page. A character it lacks becomes '?' and is counted in
    // `unencodable` when that is given.
    static QByteArray fromText(const QString &text, qsizetype *unencodable = nullptr);
    // Whether the code page has a byte for `c`.
    static bool hasCharacter(QChar c);
};

} // namespace orvel
