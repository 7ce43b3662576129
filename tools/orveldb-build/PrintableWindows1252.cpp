#include "PrintableWindows1252.h"

#include "platform/Windows1252.h"

#include <algorithm>

namespace orvel {

bool PrintableWindows1252::contains(QChar c)
{
    return c.isPrint() && Windows1252::hasCharacter(c);
}

bool PrintableWindows1252::contains(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return contains(c); });
}

} // namespace orvel
