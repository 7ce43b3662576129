#include "platform/MessageSink.h"

namespace orvel {

MessageSink::~MessageSink() = default;

void MessageSink::showInformation(const QString &text)
{
    showMessage(text);
}

} // namespace orvel
