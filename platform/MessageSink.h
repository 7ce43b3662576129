#pragma once

#include <QString>

namespace orvel {

// Where the core reports to the user: message boxes, yes/no questions and the wait
// cursor. Each program supplies its own (dialogs in the GUI, standard error in the
// command line, a recorder in tests).
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
};

} // namespace orvel
