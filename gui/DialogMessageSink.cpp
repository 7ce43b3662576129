#include "gui/DialogMessageSink.h"

#include "platform/StderrMessageSink.h"

#include <QApplication>
#include <QMessageBox>

namespace orvel {

void DialogMessageSink::showMessage(const QString &text)
{
    QMessageBox::critical(m_owner, m_caption, text);
}

void DialogMessageSink::showInformation(const QString &text)
{
    QMessageBox::information(m_owner, m_caption, text);
}

bool DialogMessageSink::askYesNo(const QString &text)
{
    return QMessageBox::question(m_owner, m_caption, text,
                                 QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
}

void DialogMessageSink::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void DialogMessageSink::showDiagnostic(const QString &line)
{
    StderrMessageSink::printLine(line);
}

} // namespace orvel
