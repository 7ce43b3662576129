#include "handheld/ScaleChoice.h"

#include <QCoreApplication>

namespace orvel {

int ScaleChoice::largestFitting(int requested, QSize available, const std::function<QSize(int scale)> &windowSize)
{
    for (int scale = requested; scale > 1; --scale) {
        const QSize size = windowSize(scale);
        if (size.width() <= available.width() && size.height() <= available.height())
            return scale;
    }
    return 1;
}

QString ScaleChoice::notice(int requested, int chosen, QSize available)
{
    if (chosen >= requested)
        return {};
    return QCoreApplication::translate("orvel::ScaleChoice", "scale %1 does not fit the screen's %2 x %3 pixels; using scale %4")
        .arg(requested)
        .arg(available.width())
        .arg(available.height())
        .arg(chosen);
}

} // namespace orvel
