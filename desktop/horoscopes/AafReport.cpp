#include "desktop/horoscopes/AafReport.h"

#include <utility>

namespace orvel {

AafReport::AafReport(int horoscopes, QString text) : m_horoscopes(horoscopes), m_text(std::move(text))
{
}

AafReport AafReport::ofImport(const std::vector<AafEntry> &entries)
{
    // Every record that came in with a problem is named, whether it was taken or not.
    const int imported = AafFile::imported(entries);
    QStringList noted;
    QStringList skipped;
    for (const AafEntry &entry : entries) {
        if (!entry.reason.isEmpty())
            (entry.horoscope ? noted : skipped).append(line(entry));
    }
    return {imported, tr("%n horoscopes imported.", nullptr, imported) + section(tr("Imported with notes:"), noted)
                          + section(tr("Skipped:"), skipped)};
}

AafReport AafReport::ofExport(const std::vector<AafEntry> &entries)
{
    QStringList notes;
    for (const AafEntry &entry : entries) {
        if (!entry.reason.isEmpty())
            notes.append(line(entry));
    }
    const int exported = int(entries.size());
    return {exported, tr("%n horoscopes exported.", nullptr, exported) + section(tr("With notes:"), notes)};
}

QString AafReport::line(const AafEntry &entry)
{
    const QString label = entry.name.isEmpty() ? tr("Record %1 (no name)").arg(entry.record)
                                               : tr("%1 (record %2)").arg(entry.name).arg(entry.record);
    return label + QStringLiteral(": ") + entry.reason;
}

QString AafReport::section(const QString &heading, const QStringList &lines)
{
    return lines.isEmpty() ? QString() : u'\n' + heading + u'\n' + lines.join(u'\n');
}

} // namespace orvel
