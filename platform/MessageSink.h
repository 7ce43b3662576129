#pragma once

#include <QString>

namespace orvel {

// Where the core reports to the user: message boxes, yes/no questions and the wait
// cursor. Each program supplies its own (dialogs in the GUI, standard error in the
// command line, a recorder in tests).
class MessageSink {
public:
    virtual ~MessageSink();
    // A message box with only an OK button.
    virtual void showMessage(const QString &text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const QString &text) = 0;
    // Shows or hides the wait cursor; prefer WaitCursor, which pairs the calls.
    virtual void setBusy(bool busy) = 0;
};

} // namespace orvel
