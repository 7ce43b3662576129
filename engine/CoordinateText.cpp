#include "engine/CoordinateText.h"

#include <QRegularExpression>

#include <array>
#include <cmath>

namespace orvel {

namespace {

// The first three runs of decimal digits as numbers; missing runs are 0. Doubles hold
// even absurdly long runs without overflow.
std::array<double, 3> digitRuns(const QString &text)
{
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
    return runs;
}

} // namespace

double parseCoordinateText(const QString &text)
{
    // Characters are upper-cased one by one (no "ß" -> "SS"); commas end runs as full stops do.
    double sign = 1.0;
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        if (upper == u'S' || upper == u'W')
            sign = -1.0;
    }
    const std::array<double, 3> runs = digitRuns(text);
    const double degrees = (runs[0] + runs[1] / 60.0 + runs[2] / 3600.0) * sign;
    // Hundreds of digits overflow to infinity, which would make every cusp NaN:
    // such a text counts as unparsable.
    return std::isfinite(degrees) ? degrees : 0.0;
}

bool checkCoordinateText(const QString &text, CoordinateAxis axis)
{
    const QString hemispheres = axis == CoordinateAxis::Latitude ? QStringLiteral("NS") : QStringLiteral("EW");
    int letters = 0;
    bool digits = false;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (hemispheres.contains(c.toUpper()))
            ++letters;
        else if (!c.isSpace() && !QStringLiteral(".,\u00b0'\"").contains(c))
            return false;
    }
    if (text.isEmpty())
        return true;
    if (!digits || letters > 1)
        return false;

    const int limit = axis == CoordinateAxis::Latitude ? 90 : 180;
    const auto [degrees, minutes, seconds] = digitRuns(text);
    if (degrees > limit || minutes > 59 || seconds > 59)
        return false;
    return degrees < limit || minutes == 0;
}

std::optional<double> timeZoneHours(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    bool read = false;
    const double hours = QString(trimmed).replace(u',', u'.').toDouble(&read);
    if (!read || hours < -14 || hours > 14)
        return std::nullopt;
    return hours;
}

} // namespace orvel
