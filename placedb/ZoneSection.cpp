#include "placedb/ZoneSection.h"

#include "placedb/FieldReader.h"
#include "platform/FileError.h"

namespace orvel {

namespace {

const QString EarliestText = QStringLiteral("01.01.01 00:00:00");
const QString SkippedRowMarker = QStringLiteral("KURZ");
constexpr qsizetype DatedTextLength = 19;

// The position the zone index gives for `zone`: the first occurrence of "<zone>_" in
// the index line (so the index must list zone 1 before zone 11), the digits after it
// up to the next blank. -1 without an entry or its blank, or for a negative position.
qsizetype indexedPosition(const QByteArray &table, int zone)
{
    qsizetype lineEnd = table.indexOf('\n');
    if (lineEnd < 0)
        lineEnd = table.size();
    const QByteArray line = QByteArray::fromRawData(table.constData(), lineEnd);
    const QByteArray key = QByteArray::number(zone) + '_';
    const qsizetype entry = line.indexOf(key);
    if (entry < 0)
        return -1;
    const qsizetype digits = entry + key.size();
    const qsizetype blank = line.indexOf(' ', digits);
    if (blank < 0)
        return -1;
    const int position = decimalValue(QString::fromLatin1(line.constData() + digits, blank - digits));
    return position >= 0 ? position : -1;
}

bool readStart(const QString &text, ZoneSection::StartTexts startTexts, TimeTableRow &row)
{
    if (startTexts == ZoneSection::StartTexts::Handheld) {
        if (text == EarliestText) {
            row.startKind = TimeTableRow::StartKind::Earliest;
            return true;
        }
        if (text.size() != DatedTextLength)
            return false;
    }
    row.startKind = TimeTableRow::StartKind::Dated;
    row.start = DateTime::fromText(text); // invalid for shorter texts
    return row.start.isValid();
}

} // namespace

Result<ZoneSection> ZoneSection::read(const QByteArray &table, const QString &path, const QString &tableCode, int zone,
                                      StartTexts startTexts)
{
    ZoneSection section{tableCode, zone, {}};
    qsizetype position = indexedPosition(table, zone);
    if (position < 0) {
        return Result<ZoneSection>::failed(
            ResultStatus::Missing,
            FileError::message(path, QFileDevice::ReadError, tr("zone %1 is not in the index").arg(zone)), section);
    }

    const char *data = table.constData();
    const qsizetype length = table.size();
    while (position < length) {
        TimeTableRow row;
        row.tableCode = FieldReader::ReadField(data, length, position);
        if (row.tableCode == SkippedRowMarker) {
            for (int field = 0; field < 3; ++field)
                FieldReader::ScanField(data, length, position);
            continue;
        }
        row.zone = decimalValue(FieldReader::ReadField(data, length, position));
        const QString start = FieldReader::ReadField(data, length, position);
        if (!readStart(start, startTexts, row)) {
            section.rows.clear();
            const QString reason = tr("zone %1 has the start \"%2\", which is no moment").arg(zone).arg(start);
            return Result<ZoneSection>::failed(ResultStatus::Damaged,
                                               FileError::message(path, QFileDevice::ReadError, reason), section);
        }
        row.designation = FieldReader::ReadField(data, length, position);
        if (row.zone != zone)
            break;
        section.rows.push_back(std::move(row));
    }
    return section;
}

} // namespace orvel
