#pragma once

#include "engine/ChartSettings.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace orvel {

// One painted row of the Elements or Qualities window.
struct ScoreRow {
    QString label;           // element or quality name
    std::int64_t score = 0;  // point values, plus the ruler bonus on the ruler's row; cannot wrap
    Colour colour = 0;       // of label and score
    std::vector<int> points; // the points of this element or quality, in point order

    // The score as the window writes it, right-aligned in four characters.
    QString scoreText() const { return QString::asprintf("%4lld", static_cast<long long>(score)); }
};

} // namespace orvel
