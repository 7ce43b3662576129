#pragma once

#include "desktop/settings/CSettingsPage.h"
#include "engine/ChartSettings.h"

class CExListCtrl;

namespace orvel {

class MessageSink;

// "Aspect orbs": one row per aspect kind, one column per point, each cell the orb in
// degrees.
class CPPageAspektOrben : public CSettingsPage {
    Q_OBJECT
public:
    // `sink` tells of refused orbs and must outlive the page.
    CPPageAspektOrben(ChartSettings &block, MessageSink &sink, QWidget *parent = nullptr);

    CExListCtrl *orbs() const { return m_orbs; }

private:
    CExListCtrl *m_orbs;
};

} // namespace orvel
