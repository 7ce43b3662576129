#include "BuildStatistics.h"

namespace orvel {

int BuildStatistics::countOf(const QString &reason) const
{
    const auto it = m_counts.find(reason);
    return it == m_counts.end() ? 0 : it->second;
}

void BuildStatistics::print(std::FILE *out) const
{
    for (const auto &[reason, count] : m_counts)
        std::fprintf(out, "  %8d  %s\n", count, qPrintable(reason));
}

} // namespace orvel
