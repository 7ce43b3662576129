#pragma once

#include <QChar>
#include <QString>

namespace orvel {

// The characters a place name may hold: printable ones of the Windows-1252 code page of
// the place files, so that no name carries a control character or reads back changed.
class PrintableWindows1252 {
public:
    static bool contains(QChar c);
    static bool contains(const QString &text);
};

} // namespace orvel
