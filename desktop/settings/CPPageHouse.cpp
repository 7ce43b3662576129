#include "desktop/settings/CPPageHouse.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvel {

CPPageHouse::CPPageHouse(ChartSettings &block, QWidget *parent)
    : CSettingsPage(tr("House System"), parent), m_systems(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    const QStringList labels = {tr("&Koch"),  tr("&Placidus"), tr("&Meridian"), tr("&Regiomontanus"),
                                tr("Porph&yrius"), tr("&Equal"), tr("M&orinus"), tr("&Campanus")};
    for (int system = 0; system < labels.size(); ++system) {
        auto *button = new QRadioButton(labels[system], this);
        m_systems->addButton(button, system);
        layout->addWidget(button);
    }
    layout->addStretch();
    binding().bind(m_systems, block.houseSystem);
}

} // namespace orvel
