#pragma once

#include "desktop/settings/CSettingsPage.h"
#include "engine/ChartSettings.h"

class QCheckBox;

namespace orvel {

// "Other": the flags that hide houses and aspects on the wheel.
class CPPageDiverse : public CSettingsPage {
    Q_OBJECT
public:
    CPPageDiverse(ChartSettings &block, QWidget *parent = nullptr);

    QCheckBox *hideHouses() const { return m_hideHouses; }
    QCheckBox *hideAspects() const { return m_hideAspects; }

private:
    QCheckBox *m_hideHouses;
    QCheckBox *m_hideAspects;
};

} // namespace orvel
