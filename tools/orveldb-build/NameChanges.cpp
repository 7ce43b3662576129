#include "NameChanges.h"

#include "placedb/DatabaseFile.h"
#include "placedb/PlaceFile.h"
#include "platform/Windows1252.h"

#include <QDir>

#include <algorithm>

namespace orvel {

NameChanges::Names NameChanges::read(const QString &folder)
{
    Names names;
    const QStringList files = QDir(folder).entryList({QStringLiteral("Orte_*.txt")}, QDir::Files);
    for (const QString &file : files) {
        const Result<QByteArray> bytes = DatabaseFile::read(folder + u'/' + file);
        if (!bytes)
            continue;
        const QString text = Windows1252::toText(bytes->constData(), bytes->size());
        QHash<int, QString> &places = names[file.mid(5).chopped(4)];
        for (const PlaceRecord &record : PlaceFile::readAll(text))
            places.insert(record.number, record.name);
    }
    return names;
}

QByteArray NameChanges::list(const Names &previous, const Names &current)
{
    QString text = QStringLiteral("country\tplace number\told name\tnew name\n");
    for (const auto &[code, places] : current) {
        const auto old = previous.find(code);
        if (old == previous.end())
            continue;
        QList<int> numbers = places.keys();
        std::sort(numbers.begin(), numbers.end());
        for (const int number : numbers) {
            const auto oldName = old->second.constFind(number);
            if (oldName != old->second.cend() && *oldName != places.value(number))
                text += QStringList{code, QString::number(number), *oldName, places.value(number)}.join(u'\t') + u'\n';
        }
    }
    return text.toUtf8();
}

} // namespace orvel
