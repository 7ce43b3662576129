#include "storage/AafPlaceFinder.h"

#include "engine/PlaceDirectory.h"

#include <QStringList>

namespace orvel {

std::optional<ChartPlace> AafPlaceFinder::find(const QString &country, const QString &city)
{
    if (country.isEmpty() || city.isEmpty())
        return std::nullopt;
    QStringList names{city};
    for (const QChar separator : {u'/', u'('}) {
        const QString head = city.section(separator, 0, 0).trimmed();
        if (!head.isEmpty() && !names.contains(head))
            names.append(head);
    }
    for (const QString &name : names) {
        const QString key = country + u'\n' + name;
        auto found = m_found.constFind(key);
        if (found == m_found.cend())
            found = m_found.insert(key, m_places.findPlace(country, name));
        if (*found)
            return *found;
    }
    return std::nullopt;
}

} // namespace orvel
