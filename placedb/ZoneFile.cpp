#include "placedb/ZoneFile.h"

#include "placedb/FieldReader.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace orvel {

namespace {

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

} // namespace

QHash<QString, double> ZoneFile::offsets(const QByteArray &zones)
{
    QHash<QString, double> byDesignation;
    const char *data = zones.constData();
    const qsizetype length = zones.size();
    qsizetype position = 0;
    while (position < length) {
        const FieldReader::Span designation = FieldReader::ScanField(data, length, position);
        FieldReader::ScanField(data, length, position);
        const FieldReader::Span offset = FieldReader::ScanField(data, length, position);
        const QString key = FieldReader::valueOf(data, designation);
        if (!byDesignation.contains(key))
            byDesignation.insert(key, decimalFraction(FieldReader::valueOf(data, offset).toLatin1()));
    }
    return byDesignation;
}

double ZoneFile::decimalFraction(const QByteArray &text)
{
    // The process locale may use a decimal comma; the files never do.
    const double value = strtod_l(text.constData(), nullptr, cLocale());
    if (std::isnan(value))
        return 0.0;
    return std::clamp(value, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
}

} // namespace orvel
