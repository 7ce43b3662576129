#pragma once

#include "platform/MessageSink.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace orvel {

// Messages and questions as message boxes whose caption is the application title
// (failures with the error icon, successes with the information icon), the busy state
// as the wait cursor.
class DialogMessageSink : public MessageSink {
public:
    // `caption` is the application title the boxes carry ("OrvelWin CE").
    explicit DialogMessageSink(QString caption) : m_caption(std::move(caption)) {}

    // Boxes are centred over `owner` while it exists.
    void setOwner(QWidget *owner) { m_owner = owner; }

    void showMessage(const QString &text) override;
    void showInformation(const QString &text) override;
    bool askYesNo(const QString &text) override;
    void setBusy(bool busy) override;
    // Diagnostics go to standard error, not into a dialog.
    void showDiagnostic(const QString &line) override;

private:
    QString m_caption;
    QPointer<QWidget> m_owner;
};

} // namespace orvel
