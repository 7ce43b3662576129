#pragma once

class QWidget;

namespace orvel {

// The on-screen keyboard: windows ask for it to come up while a text field wants
// typing and to go down otherwise. Tests record the requests.
class SoftInputPanel {
public:
    virtual ~SoftInputPanel();
    virtual void setUp(QWidget *window, bool up) = 0;
};

} // namespace orvel
