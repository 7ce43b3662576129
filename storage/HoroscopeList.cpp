#include "storage/HoroscopeList.h"

#include <utility>

namespace orvel {

void HoroscopeList::fill(const QString &name, const DateTime &now)
{
    while (m_records.size() < MinimumSize) {
        HoroscopeRecord filler = HoroscopeRecord::createDefault(now);
        filler.name = name;
        m_records.push_back(std::move(filler));
    }
}

void HoroscopeList::add(HoroscopeRecord record)
{
    if (m_records.empty())
        m_records.push_back(std::move(record));
    else
        m_records.push_back(std::exchange(m_records.front(), std::move(record)));
}

bool HoroscopeList::remove(std::size_t index, const std::function<bool()> &confirm)
{
    if (index >= m_records.size() || m_records.size() <= MinimumSize)
        return false;
    if (confirm && !confirm())
        return false;
    m_records.erase(m_records.begin() + std::ptrdiff_t(index));
    return true;
}

} // namespace orvel
