#include "handheld/info/ReportDialog.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

namespace orvel {

ReportDialog::ReportDialog(const InfoTable &table, int scale, QWidget *parent)
    : InfoDialog(table.title, scale, parent), m_list(new QTreeWidget(this))
{
    addName(table.name);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setGeometry(fromDialogUnits(7, 19, 123, 128));
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setStretchLastSection(false);
    m_list->setColumnCount(static_cast<int>(table.columns.size()));

    auto *header = new QTreeWidgetItem;
    for (int c = 0; c < m_list->columnCount(); ++c) {
        const InfoTable::Column &column = table.columns[c];
        header->setText(c, column.header);
        header->setTextAlignment(c, (column.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    m_list->setHeaderItem(header);

    QList<QTreeWidgetItem *> items;
    for (const QStringList &row : table.rows) {
        auto *item = new QTreeWidgetItem(row);
        for (int c = 0; c < m_list->columnCount(); ++c)
            if (table.columns[c].rightAligned)
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    fitColumns();
}

void ReportDialog::fitColumns()
{
    int width = 2 * m_list->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    for (int c = 0; c < m_list->columnCount(); ++c) {
        m_list->resizeColumnToContents(c);
        width += m_list->columnWidth(c);
    }
    m_list->resize(widenFor(width), m_list->height());
}

} // namespace orvel
