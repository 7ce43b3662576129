#pragma once

#include <QString>

namespace orvel {

// The Western European ANSI code page of the handheld, in which place files are
// written. One character per byte, so positions in the text are byte positions.
class Windows1252 {
public:
    static QString toText(const char *data, qsizetype length);
};

} // namespace orvel
