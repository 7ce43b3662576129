#pragma once

#include "platform/MessageSink.h"

#include <QObject>

namespace orvel {

// Shows its messages through another sink once the events already queued are done, so
// that a notice raised while the window is being shown appears over the painted chart.
// Questions and the wait cursor go through at once.
class LaterMessageSink : public MessageSink {
public:
    // `target` must outlive this sink.
    explicit LaterMessageSink(MessageSink &target) : m_target(target) {}

    void showMessage(const QString &text) override;
    bool askYesNo(const QString &text) override { return m_target.askYesNo(text); }
    void setBusy(bool busy) override { m_target.setBusy(busy); }
    void showDiagnostic(const QString &line) override { m_target.showDiagnostic(line); }

private:
    MessageSink &m_target;
    QObject m_pending; // messages not yet shown go with the sink
};

} // namespace orvel
