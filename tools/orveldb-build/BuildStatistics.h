#pragma once

#include <QString>

#include <cstdio>
#include <map>

namespace orvel {

// Counts of source records that were skipped or cleaned, by reason, for the summary
// the generator prints at the end.
class BuildStatistics {
public:
    void count(const QString &reason, int by = 1) { m_counts[reason] += by; }
    int countOf(const QString &reason) const;
    void print(std::FILE *out) const;

private:
    std::map<QString, int> m_counts;
};

} // namespace orvel
