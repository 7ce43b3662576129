#pragma once

#include "platform/MessageSink.h"

namespace orvel {

// Messages as lines on standard error; questions are answered No. For headless tools.
class StderrMessageSink : public MessageSink {
public:
    void showMessage(const QString &text) override;
    bool askYesNo(const QString &text) override;
    void setBusy(bool) override {}
};

} // namespace orvel
