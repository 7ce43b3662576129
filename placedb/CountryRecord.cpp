#include "placedb/CountryRecord.h"

#include "placedb/FieldReader.h"

namespace orvel {

CountryRecord CountryRecord::read(const char *data, qsizetype length, qsizetype &position)
{
    CountryRecord record;
    record.code = FieldReader::ReadField(data, length, position);
    record.name = FieldReader::ReadField(data, length, position);
    for (QString &text : record.extra)
        text = FieldReader::ReadField(data, length, position);
    return record;
}

} // namespace orvel
