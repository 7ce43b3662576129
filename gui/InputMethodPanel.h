#pragma once

#include "gui/SoftInputPanel.h"

namespace orvel {

// The platform's input method panel, where there is one.
class InputMethodPanel : public SoftInputPanel {
public:
    void setUp(QWidget *window, bool up) override;
};

} // namespace orvel
