#include "placedb/PlaceFile.h"

#include "placedb/SortKey.h"
#include "platform/DateTime.h"

namespace orvel {

namespace {

// The index position of `keyCharacter`, or -1 without an entry, its closing blank,
// or a usable (non-negative) position.
qsizetype indexedPosition(const QString &text, QChar keyCharacter)
{
    qsizetype lineEnd = text.indexOf(u'\n');
    if (lineEnd < 0)
        lineEnd = text.size();
    const QStringView line = QStringView(text).first(lineEnd);
    const qsizetype entry = line.indexOf(keyCharacter);
    if (entry < 0)
        return -1;
    const qsizetype blank = line.indexOf(u' ', entry + 1);
    if (blank < 0)
        return -1;
    const int position = decimalValue(line.sliced(entry + 1, blank - entry - 1).toString());
    return position >= 0 ? position : -1;
}

} // namespace

std::vector<PlaceRecord> PlaceFile::readStretch(const QString &text, QChar keyCharacter)
{
    std::vector<PlaceRecord> places;
    qsizetype position = indexedPosition(text, keyCharacter);
    if (position < 0)
        return places;

    const QChar *data = text.constData();
    const qsizetype length = text.size();
    while (position < length) {
        PlaceRecord record = PlaceRecord::read(data, length, position);
        if (record.number == 0)
            continue;
        const QString key = MakeSortKey(record.name);
        if (key.isEmpty() || key.front() != keyCharacter)
            break;
        places.push_back(std::move(record));
    }
    return places;
}

std::vector<PlaceRecord> PlaceFile::readAll(const QString &text)
{
    std::vector<PlaceRecord> places;
    const qsizetype lineEnd = text.indexOf(u'\n');
    if (lineEnd < 0)
        return places;
    const QChar *data = text.constData();
    const qsizetype length = text.size();
    qsizetype position = lineEnd + 1;
    while (position < length) {
        const qsizetype before = position;
        PlaceRecord record = PlaceRecord::read(data, length, position);
        if (position <= before)
            break;
        if (record.number != 0 && !record.name.isEmpty())
            places.push_back(std::move(record));
    }
    return places;
}

} // namespace orvel
