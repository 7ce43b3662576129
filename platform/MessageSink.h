#pragma once

#include "platform/Result.h"

#include <QString>
#include <QStringList>

namespace orvel {

// Where the core reports to the user: message boxes, yes/no questions, the wait
// cursor, and the diagnostics of reading the data files (lines the programs write to
// standard error; the core itself never prints). Each program supplies its own
// (dialogs in the GUI, standard error in the command line, a recorder in tests).
class MessageSink {
public:
    // What a message reports: a failure (the error icon) or a success (the
    // information icon).
    enum class Severity { Error, Information };

    virtual ~MessageSink();
    // A message box with only an OK button that reports a failure.
    virtual void showMessage(const QString &text) = 0;
    // A message box with only an OK button that reports a success; a sink that does
    // not tell the two apart shows it as showMessage does.
    virtual void showInformation(const QString &text);
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;
    // Shows or hides the wait cursor; prefer WaitCursor, which pairs the calls.
    virtual void setBusy(bool busy) = 0;
    // Shows why `result` failed: nothing for a success, or for a failure without a
    // message (the user declined what it needed, or was told already).
    void showFailure(const ResultState &result);
    // One line of diagnostics, such as where a data file stops parsing; a sink that
    // keeps no diagnostics drops it.
    virtual void showDiagnostic(const QString &line);
    void showDiagnostics(const QStringList &lines);
};

} // namespace orvel
