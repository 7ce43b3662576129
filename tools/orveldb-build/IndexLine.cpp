#include "IndexLine.h"

namespace orvel {

QString IndexLine::build(const std::vector<std::pair<QString, qsizetype>> &entries)
{
    QString line;
    qsizetype assumedLength = 0;
    // Longer positions only make the line longer, so this ends after a few rounds.
    for (;;) {
        line.clear();
        for (const auto &[label, position] : entries)
            line += label + QString::number(position + assumedLength) + u' ';
        line += QStringLiteral("\r\n");
        if (line.size() == assumedLength)
            return line;
        assumedLength = line.size();
    }
}

} // namespace orvel
