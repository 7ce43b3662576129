#include "platform/gui/CoordinateCheck.h"

#include <algorithm>
#include <array>

namespace orvel {

bool CoordinateCheck::passes(const QString &text, int limit)
{
    // Degrees, minutes, seconds; a run of digits longer than any limit saturates.
    std::array<long long, 3> numbers{};
    qsizetype found = 0;
    bool inRun = false;
    for (const QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        if (digit && found < qsizetype(numbers.size())) {
            long long &number = numbers[found];
            number = std::min<long long>(number * 10 + (c.unicode() - u'0'), 1'000'000);
        }
        if (!digit && inRun)
            ++found;
        inRun = digit;
    }
    const auto [degrees, minutes, seconds] = numbers;
    if (degrees > limit || minutes > 59 || seconds > 59)
        return false;
    return degrees < limit || minutes == 0;
}

} // namespace orvel
