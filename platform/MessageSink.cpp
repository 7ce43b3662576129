#include "platform/MessageSink.h"

namespace orvel {

MessageSink::~MessageSink() = default;

void MessageSink::showInformation(const QString &text)
{
    showMessage(text);
}

void MessageSink::showDiagnostic(const QString &) {}

void MessageSink::showDiagnostics(const QStringList &lines)
{
    for (const QString &line : lines)
        showDiagnostic(line);
}

} // namespace orvel
