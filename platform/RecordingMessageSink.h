#pragma once

#include "platform/MessageSink.h"

#include <QList>
#include <QStringList>

namespace orvel {

// Keeps every message (with its severity) and question, answers questions with a
// chosen answer, and counts wait-cursor changes. For tests.
class RecordingMessageSink : public MessageSink {
public:
    void showMessage(const QString &text) override { record(text, Severity::Error); }
    void showInformation(const QString &text) override { record(text, Severity::Information); }
    bool askYesNo(const QString &text) override
    {
        questions.append(text);
        return answer;
    }
    void setBusy(bool busy) override { busy ? ++busyOn : ++busyOff; }
    void showDiagnostic(const QString &line) override { diagnostics.append(line); }

    QStringList messages;
    QList<Severity> severities; // one per message, in the same order
    QStringList questions;
    QStringList diagnostics;
    bool answer = true;
    int busyOn = 0;
    int busyOff = 0;

private:
    void record(const QString &text, Severity severity)
    {
        messages.append(text);
        severities.append(severity);
    }
};

} // namespace orvel
