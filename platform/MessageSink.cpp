#include "platform/MessageSink.h"

namespace orvel {

MessageSink::~MessageSink() = default;

void MessageSink::showInformation(const QString &text)
{
    showMessage(text);
}

void MessageSink::showFailure(const ResultState &result)
{
    if (!result.ok() && !result.message().isEmpty())
        showMessage(result.message());
}

void MessageSink::showDiagnostic(const QString &) {}

void MessageSink::showDiagnostics(const QStringList &lines)
{
    for (const QString &line : lines)
        showDiagnostic(line);
}

} // namespace orvel
