#include "placedb/PlaceRecord.h"

#include "placedb/FieldReader.h"
#include "platform/DateTime.h"

namespace orvel {

PlaceRecord PlaceRecord::read(const QChar *data, qsizetype length, qsizetype &position)
{
    PlaceRecord record;
    record.number = decimalValue(FieldReader::ReadField(data, length, position));
    record.tableCode = FieldReader::ReadField(data, length, position);
    record.name = FieldReader::ReadField(data, length, position);
    record.zone = decimalValue(FieldReader::ReadField(data, length, position));
    record.latitude = FieldReader::ReadField(data, length, position);
    record.longitude = FieldReader::ReadField(data, length, position);
    return record;
}

} // namespace orvel
