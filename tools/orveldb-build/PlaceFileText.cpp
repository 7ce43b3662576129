#include "PlaceFileText.h"

#include "engine/CoordinateFormat.h"
#include "IndexLine.h"
#include "platform/Windows1252.h"
#include "placedb/SortKey.h"

#include <algorithm>

namespace orvel {

PlaceFileText::PlaceFileText(const QString &tableCode, const std::vector<BuiltPlace> &places)
{
    struct Keyed {
        QString key;
        PlaceRecord record;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(places.size());
    for (const BuiltPlace &place : places) {
        keyed.push_back({MakeSortKey(place.name),
                         {place.number, tableCode, place.name, place.zone, CoordinateFormat::latitude(place.latitude),
                          CoordinateFormat::longitude(place.longitude)}});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (a.key != b.key)
            return a.key < b.key;
        return a.record.name != b.record.name ? a.record.name < b.record.name : a.record.number < b.record.number;
    });

    QString body;
    std::vector<std::pair<QString, qsizetype>> entries;
    for (Keyed &k : keyed) {
        if (entries.empty() || entries.back().first.front() != k.key.front())
            entries.emplace_back(QString(k.key.front()), body.size());
        const PlaceRecord &r = k.record;
        body += QString::number(r.number) + u'\t' + r.tableCode + u'\t' + r.name + u'\t' + QString::number(r.zone) +
                u'\t' + r.latitude + u'\t' + r.longitude + QStringLiteral("\r\n");
        m_records.push_back(std::move(k.record));
    }
    m_bytes = Windows1252::fromText(IndexLine::build(entries) + body);
}

} // namespace orvel
