#pragma once

#include "desktop/settings/CSettingsPage.h"
#include "engine/ChartSettings.h"

class CExListCtrl;

namespace orvel {

// "Aspect orbs": one row per aspect kind, one column per point, each cell the orb in
// degrees.
class CPPageAspektOrben : public CSettingsPage {
    Q_OBJECT
public:
    CPPageAspektOrben(ChartSettings &block, QWidget *parent = nullptr);

    CExListCtrl *orbs() const { return m_orbs; }

private:
    CExListCtrl *m_orbs;
};

} // namespace orvel
