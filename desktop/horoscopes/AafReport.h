#pragma once

#include "storage/AafFile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

namespace orvel {

// What the user is told after an AAF import or export: how many horoscopes came in or
// went out, then every record that did so with a note or, on import, was skipped. A
// record is named by its name, and by its place in the file when it has no name.
class AafReport {
    Q_DECLARE_TR_FUNCTIONS(AafReport)

public:
    static AafReport ofImport(const std::vector<AafEntry> &entries);
    static AafReport ofExport(const std::vector<AafEntry> &entries);

    // The horoscopes imported, or exported.
    int horoscopes() const { return m_horoscopes; }
    const QString &text() const { return m_text; }

private:
    AafReport(int horoscopes, QString text);
    // The report's line for a record with a note or skipped: its label and the reason.
    static QString line(const AafEntry &entry);
    // The report's section `heading` with its lines, or nothing without lines.
    static QString section(const QString &heading, const QStringList &lines);

    int m_horoscopes;
    QString m_text;
};

} // namespace orvel
