#pragma once

#include "platform/MessageSink.h"

namespace orvel {

// Messages as lines on standard error; questions are answered No. For headless tools.
class StderrMessageSink : public MessageSink {
public:
    void showMessage(const QString &text) override;
    bool askYesNo(const QString &text) override;
    void setBusy(bool) override {}
    void showDiagnostic(const QString &line) override { printLine(line); }

    // `text` and a line break on standard error, in the locale's encoding.
    static void printLine(const QString &text);
};

} // namespace orvel
