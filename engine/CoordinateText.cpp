#include "engine/CoordinateText.h"

#include <array>

namespace orvel {

double parseCoordinateText(const QString &text)
{
    // Characters are upper-cased one by one (no "ß" -> "SS"); commas end runs as full stops do.
    double sign = 1.0;
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        if (upper == u'S' || upper == u'W')
            sign = -1.0;
    }

    std::array<double, 3> runs = {0, 0, 0};
    int run = 0;
    bool inRun = false;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            if (run < 3)
                runs[run] = runs[run] * 10 + (c.unicode() - u'0');
            inRun = true;
        } else if (inRun) {
            inRun = false;
            ++run;
        }
    }
    return (runs[0] + runs[1] / 60.0 + runs[2] / 3600.0) * sign;
}

} // namespace orvel
