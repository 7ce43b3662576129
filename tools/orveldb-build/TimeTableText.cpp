#include "TimeTableText.h"

#include "IndexLine.h"

namespace orvel {

TimeTableText::TimeTableText(const QString &tableCode, const std::vector<std::vector<Row>> &zones)
{
    QString body;
    std::vector<std::pair<QString, qsizetype>> entries;
    for (std::size_t i = 0; i < zones.size(); ++i) {
        const int zone = int(i) + 1;
        // Ascending zone numbers: the reader takes the first "<zone>_" in the line,
        // which for zone 1 would otherwise also match inside "11_".
        entries.emplace_back(QString::number(zone) + u'_', body.size());
        std::vector<TimeTableRow> &section = m_sections.emplace_back();
        for (const Row &row : zones[i]) {
            body += tableCode + u'\t' + QString::number(zone) + u'\t' + row.start.toText() + u'\t' + row.designation +
                    QStringLiteral("\r\n");
            section.push_back({tableCode, zone, TimeTableRow::StartKind::Dated, row.start, row.designation});
        }
    }
    m_bytes = (IndexLine::build(entries) + body).toLatin1();
}

} // namespace orvel
