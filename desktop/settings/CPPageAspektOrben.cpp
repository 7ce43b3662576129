#include "desktop/settings/CPPageAspektOrben.h"

#include "desktop/settings/PointNames.h"
#include "desktop/settings/ValueGrid.h"
#include "listctrl/ExListCtrl.h"

#include <QVBoxLayout>

namespace orvel {

CPPageAspektOrben::CPPageAspektOrben(ChartSettings &block, MessageSink &sink, QWidget *parent)
    : CSettingsPage(tr("Aspect orbs"), parent)
{
    QList<ValueGrid::Column> columns = {{QString(), 70, false, Qt::AlignLeft}};
    for (int point = 0; point < PointCount; ++point)
        columns.append({PointNames::point(point), 50, true, Qt::AlignHCenter});
    QStringList kinds;
    for (int kind = 0; kind < AspectKindCount; ++kind)
        kinds.append(PointNames::aspect(kind));
    m_orbs = ValueGrid::create(columns, AspectKindCount, 0, kinds, {0, 99, tr("Orbs")}, sink, this);
    m_orbs->setAccessibleName(tr("Aspect orbs"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_orbs, 0, Qt::AlignLeft);
    layout->addStretch();
    for (int kind = 0; kind < AspectKindCount; ++kind) {
        for (int point = 0; point < PointCount; ++point)
            binding().bind(m_orbs, kind, point + 1, block.orbs[point][kind]);
    }
}

} // namespace orvel
