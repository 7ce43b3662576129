// Coordinate texts as typed by a user, as UTF-8: parsed for the chart and checked
// for the horoscope dialog.
#include "engine/CoordinateText.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (!std::isfinite(orvel::parseCoordinateText(text)))
        std::abort();
    orvel::checkCoordinateText(text, orvel::CoordinateAxis::Latitude);
    orvel::checkCoordinateText(text, orvel::CoordinateAxis::Longitude);
    orvel::timeZoneHours(text);
    return 0;
}
