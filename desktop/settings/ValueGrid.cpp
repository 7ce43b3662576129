#include "desktop/settings/ValueGrid.h"

#include "desktop/settings/SettingsBinding.h"
#include "listctrl/ExListCtrl.h"
#include "platform/MessageSink.h"

#include <QHeaderView>

namespace orvel {

namespace {
// Where a cell keeps the value its text last showed rightly.
constexpr int KeptValueRole = Qt::UserRole;
} // namespace

void ValueGrid::setValue(CExListCtrl *list, int item, int column, int value)
{
    list->SetItemText(item, column, SettingsBinding::text(value));
    if (QTableWidgetItem *cell = list->item(item, column))
        cell->setData(KeptValueRole, value);
}

CExListCtrl *ValueGrid::create(const QList<Column> &columns, int rows, int labelColumn, const QStringList &labels,
                               const Range &range, MessageSink &sink, QWidget *parent)
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
                     [range, &sink](CExListCtrl *edited, int item, int column, const QString &text) {
                         const int value = SettingsBinding::value(text);
                         if (value >= range.min && value <= range.max) {
                             setValue(edited, item, column, value);
                             return;
                         }
                         const int kept = edited->item(item, column)->data(KeptValueRole).toInt();
                         setValue(edited, item, column, kept);
                         sink.showMessage(QStringLiteral("%1 are whole numbers from %2 to %3; \"%4\" is not one. "
                                                         "The cell keeps %5.")
                                              .arg(range.what)
                                              .arg(range.min)
                                              .arg(range.max)
                                              .arg(text.trimmed())
                                              .arg(kept));
                     });
    return list;
}

} // namespace orvel
