#include "placedb/ZoneFile.h"

#include "placedb/FieldReader.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace orvel {

namespace {

bool fieldEquals(const char *data, const FieldReader::Span &span, const QByteArray &key, const QString &wideKey)
{
    if (span.quoted)
        return FieldReader::valueOf(data, span) == wideKey;
    return span.end - span.begin == key.size() && std::memcmp(data + span.begin, key.constData(), key.size()) == 0;
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

} // namespace

std::optional<double> ZoneFile::offsetFor(const QByteArray &zones, const QString &key)
{
    // Every field is ISO 8859-1, so a key with other characters matches none.
    for (const QChar c : key) {
        if (c.unicode() > 0xFF)
            return std::nullopt;
    }
    const QByteArray latin1Key = key.toLatin1();

    const char *data = zones.constData();
    const qsizetype length = zones.size();
    qsizetype position = 0;
    while (position < length) {
        const FieldReader::Span designation = FieldReader::ScanField(data, length, position);
        FieldReader::ScanField(data, length, position);
        const FieldReader::Span offset = FieldReader::ScanField(data, length, position);
        if (fieldEquals(data, designation, latin1Key, key))
            return decimalFraction(FieldReader::valueOf(data, offset).toLatin1());
    }
    return std::nullopt;
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
