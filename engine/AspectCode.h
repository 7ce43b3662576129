#pragma once

#include <QString>

namespace orvel {

// One found aspect: first point, aspect kind, second point (always the higher index).
struct AspectCode {
    int first = 0;
    int kind = 0;
    int second = 0;

    // The six-digit code "%02d%02d%02d", e.g. "000201" for Sun Square Moon.
    QString text() const { return QString::asprintf("%02d%02d%02d", first, kind, second); }

    friend bool operator==(const AspectCode &, const AspectCode &) = default;
};

} // namespace orvel
