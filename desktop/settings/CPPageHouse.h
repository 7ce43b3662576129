#pragma once

#include "desktop/settings/CSettingsPage.h"
#include "engine/ChartSettings.h"

class QButtonGroup;

namespace orvel {

// "House System": one radio button per house system; the checked button's position is
// the house system number.
class CPPageHouse : public CSettingsPage {
    Q_OBJECT
public:
    CPPageHouse(ChartSettings &block, QWidget *parent = nullptr);

    QButtonGroup *systems() const { return m_systems; }

private:
    QButtonGroup *m_systems;
};

} // namespace orvel
