#pragma once

#include "gui/SoftInputPanel.h"

#include <QList>

namespace orvel {

// Keeps every request to raise (true) or lower (false) the on-screen keyboard.
class RecordingSoftInputPanel : public SoftInputPanel {
public:
    void setUp(QWidget *, bool up) override { requests.append(up); }

    QList<bool> requests;
};

} // namespace orvel
