#include "placedb/CountryRecord.h"

#include "placedb/FieldReader.h"

namespace orvel {

namespace {

// `text` when it is `length` ASCII capital letters, else nothing.
QString isoCode(const QString &text, qsizetype length)
{
    if (text.size() != length)
        return {};
    for (const QChar c : text) {
        if (c < u'A' || c > u'Z')
            return {};
    }
    return text;
}

} // namespace

CountryRecord CountryRecord::read(const char *data, qsizetype length, qsizetype &position)
{
    CountryRecord record;
    record.code = FieldReader::ReadField(data, length, position);
    record.name = FieldReader::ReadField(data, length, position);
    for (QString &text : record.extra)
        text = FieldReader::ReadField(data, length, position);
    return record;
}

QString CountryRecord::isoAlpha2() const
{
    return isoCode(extra[0], 2);
}

QString CountryRecord::isoAlpha3() const
{
    return isoCode(extra[1], 3);
}

} // namespace orvel
