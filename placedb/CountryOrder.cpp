#include "placedb/CountryOrder.h"

#include "placedb/SortKey.h"

#include <algorithm>
#include <iterator>

namespace orvel {

// Insert before a mark, or at the head of the group while it is unset.
CountryOrder::Group::iterator CountryOrder::before(const std::optional<Group::iterator> &mark)
{
    return mark ? *mark : m_group.begin();
}

// Insert after a mark, or at the tail of the group while it is unset.
CountryOrder::Group::iterator CountryOrder::after(const std::optional<Group::iterator> &mark)
{
    return mark ? std::next(*mark) : m_group.end();
}

void CountryOrder::add(CountryRecord record)
{
    const QString code = record.code;
    if (code == u"USA")
        return;
    if (code.size() >= 2 && code.startsWith(u"US"))
        m_group.insert(before(m_markA), std::move(record));
    else if (code == u"GBE")
        m_markA = m_group.insert(before(m_markB), std::move(record));
    else if (code == u"NIR")
        m_markB = m_group.insert(after(m_markA), std::move(record));
    else if (code == u"SCO" || code == u"WL")
        m_markB = m_group.insert(after(m_markB), std::move(record));
    else if (code == u"AUS")
        m_markB = m_group.insert(m_group.end(), std::move(record));
    else if (code == u"CDN" || code == u"ZA")
        m_group.insert(m_group.end(), std::move(record));
    else
        m_others.emplace_back(MakeSortKey(record.name), std::move(record));
}

std::vector<CountryRecord> CountryOrder::take()
{
    std::stable_sort(m_others.begin(), m_others.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });

    std::vector<CountryRecord> countries;
    countries.reserve(m_group.size() + m_others.size());
    std::move(m_group.begin(), m_group.end(), std::back_inserter(countries));
    for (auto &[key, record] : m_others)
        countries.push_back(std::move(record));

    m_group.clear();
    m_markA.reset();
    m_markB.reset();
    m_others.clear();
    return countries;
}

} // namespace orvel
