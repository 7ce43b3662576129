#include "handheld/CLoadDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace orvel {

CLoadDlg::CLoadDlg(std::vector<HoroscopeRecord> &horoscopes, ChartMode mode, QWidget *parent)
    : QDialog(parent), m_horoscopes(horoscopes), m_mode(mode)
{
    setWindowTitle(tr("Loading horoscope..."));
    m_list = new QTreeWidget;
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setHeaderLabels({tr("Name"), tr("City")});
    m_list->setAccessibleName(tr("Horoscopes"));
    // Rows stand in list order, so a row's index is its record's list position.
    for (const HoroscopeRecord &record : m_horoscopes)
        m_list->addTopLevelItem(new QTreeWidgetItem({record.name, record.city}));
    fitColumns(parent);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CLoadDlg::accept);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto *remove = new QPushButton(tr("Delete"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    remove->setObjectName(QStringLiteral("delete"));
    connect(remove, &QPushButton::clicked, this, &CLoadDlg::deleteSelected);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLoadDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    auto *row = new QHBoxLayout;
    row->addWidget(remove);
    row->addWidget(buttons);
    layout->addLayout(row);
}

void CLoadDlg::fitColumns(const QWidget *parent)
{
    // Whole names and cities in the program's font at any scale, as far as the window
    // the dialog opens over is wide.
    m_list->resizeColumnToContents(0);
    m_list->resizeColumnToContents(1);
    const int wanted = m_list->columnWidth(0) + m_list->columnWidth(1) + 2 * m_list->frameWidth()
        + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int margins = 2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    m_list->setMinimumWidth(parent ? std::min(wanted, parent->width() - margins) : wanted);
}

int CLoadDlg::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.front());
}

void CLoadDlg::deleteSelected()
{
    const int row = selectedRow();
    // Radix I and Radix II always need a horoscope each.
    if (row < 0 || m_list->topLevelItemCount() < 3)
        return;
    m_horoscopes.erase(m_horoscopes.begin() + row);
    delete m_list->takeTopLevelItem(row);
}

void CLoadDlg::accept()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const int target = m_mode == ChartMode::RadixII ? 1 : 0;
    std::swap(m_horoscopes.at(row), m_horoscopes.at(target));
    QDialog::accept();
}

} // namespace orvel
