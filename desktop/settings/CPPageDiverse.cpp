#include "desktop/settings/CPPageDiverse.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace orvel {

CPPageDiverse::CPPageDiverse(ChartSettings &block, QWidget *parent)
    : CSettingsPage(tr("Other"), parent),
      m_hideHouses(new QCheckBox(tr("Hiding &houses"), this)),
      m_hideAspects(new QCheckBox(tr("Hiding &aspects"), this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_hideHouses);
    layout->addWidget(m_hideAspects);
    layout->addStretch();
    binding().bind(m_hideHouses, block.hideHouses);
    binding().bind(m_hideAspects, block.hideAspects);
}

} // namespace orvel
