#include "desktop/settings/CPPagePlanetBewertung.h"

#include "desktop/settings/PointNames.h"
#include "desktop/settings/ValueGrid.h"
#include "listctrl/ExListCtrl.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace orvel {

CPPagePlanetBewertung::CPPagePlanetBewertung(ChartSettings &block, MessageSink &sink, QWidget *parent)
    : CSettingsPage(tr("Planets estimation"), parent),
      m_scoring(new QCheckBox(tr("Planets estimation"), this)),
      m_points(new QLineEdit(this)),
      m_sum(new QLabel(this))
{
    QStringList names;
    for (int point = 0; point < PointCount; ++point)
        names.append(PointNames::point(point));
    m_values = ValueGrid::create({{QString(), 0, false, Qt::AlignLeft},
                                  {tr("Planet"), 80, false, Qt::AlignLeft},
                                  {tr("Value"), 40, true, Qt::AlignHCenter}},
                                 PointCount, 1, names, {-99, 99, tr("Planet values")}, sink, this);
    m_values->setAccessibleName(tr("Planet values"));
    // Finished edits are written back by the grid first, then summed.
    connect(m_values, &CExListCtrl::subItemEdited, this, [this] { showSum(); });

    // Only digits get in: a keystroke or paste that would leave anything else is refused,
    // so the previous text stays.
    m_points->setMaxLength(2);
    m_points->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), m_points));
    m_points->setFixedWidth(40);
    connect(m_points, &QLineEdit::editingFinished, this, [this] {
        if (m_points->text().trimmed().isEmpty())
            m_points->setText(QStringLiteral("0"));
    });

    auto *sentence = new QHBoxLayout;
    auto *lead = new QLabel(tr("Regent of the first house has also"), this);
    lead->setBuddy(m_points); // the sentence's start names the field for screen readers
    sentence->addWidget(lead);
    sentence->addWidget(m_points);
    sentence->addWidget(new QLabel(tr("Score estimation"), this));
    sentence->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_scoring);
    layout->addLayout(sentence);
    layout->addWidget(m_values, 0, Qt::AlignLeft);
    layout->addWidget(m_sum);
    layout->addStretch();

    binding().bind(m_scoring, block.scoringSwitch);
    binding().bind(m_points, block.rulerBonus);
    for (int point = 0; point < PointCount; ++point)
        binding().bind(m_values, point, ValueColumn, block.planetValues[point]);
}

void CPPagePlanetBewertung::showEvent(QShowEvent *event)
{
    CSettingsPage::showEvent(event);
    showSum();
}

void CPPagePlanetBewertung::showSum()
{
    int sum = 0;
    for (int point = 0; point < PointCount; ++point)
        sum += SettingsBinding::value(m_values->item(point, ValueColumn)->text());
    m_sum->setText(tr("Sum: %1").arg(sum));
}

} // namespace orvel
