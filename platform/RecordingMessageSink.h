#pragma once

#include "platform/MessageSink.h"

#include <QStringList>

namespace orvel {

// Keeps every message and question, answers questions with a chosen answer, and
// counts wait-cursor changes. For tests.
class RecordingMessageSink : public MessageSink {
public:
    void showMessage(const QString &text) override { messages.append(text); }
    bool askYesNo(const QString &text) override
    {
        questions.append(text);
        return answer;
    }
    void setBusy(bool busy) override { busy ? ++busyOn : ++busyOff; }

    QStringList messages;
    QStringList questions;
    bool answer = true;
    int busyOn = 0;
    int busyOff = 0;
};

} // namespace orvel
