#include "desktop/settings/ValueGrid.h"

#include "desktop/settings/SettingsBinding.h"
#include "listctrl/ExListCtrl.h"

#include <QHeaderView>

namespace orvel {

CExListCtrl *ValueGrid::create(const QList<Column> &columns, int rows, int labelColumn, const QStringList &labels,
                               QWidget *parent)
{
    auto *list = new CExListCtrl(parent);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->verticalHeader()->hide();
    list->setColumnCount(columns.size());
    list->setRowCount(rows);
    for (int column = 0; column < columns.size(); ++column) {
        const Column &c = columns[column];
        list->setHorizontalHeaderItem(column, new QTableWidgetItem(c.heading));
        list->SetUnresizableColumn(column);
        list->setColumnWidth(column, c.width);
        if (!c.editable)
            list->SetReadOnlyColumn(column);
        for (int row = 0; row < rows; ++row) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(c.alignment | Qt::AlignVCenter);
            list->setItem(row, column, cell);
        }
    }
    for (int row = 0; row < rows && row < labels.size(); ++row)
        list->SetItemText(row, labelColumn, labels[row]);
    QObject::connect(list, &CExListCtrl::subItemEdited, list,
                     [](CExListCtrl *edited, int item, int column, const QString &text) {
                         edited->SetItemText(item, column, SettingsBinding::text(SettingsBinding::value(text)));
                     });
    return list;
}

} // namespace orvel
