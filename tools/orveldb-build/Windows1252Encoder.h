#pragma once

#include <QByteArray>
#include <QString>

namespace orvel {

// Text to the Windows-1252 bytes of the place files; the reverse of Windows1252.
// Only printable characters count as encodable, so no name carries a control character;
// encode() also passes the tabs and line breaks that separate fields.
class Windows1252Encoder {
public:
    static bool canEncode(QChar c);
    static bool canEncode(const QString &text);
    // Characters that cannot be encoded become '?'; callers check canEncode first.
    static QByteArray encode(const QString &text);
};

} // namespace orvel
