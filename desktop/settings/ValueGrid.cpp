#include "desktop/settings/ValueGrid.h"

#include "desktop/settings/SettingsBinding.h"
#include "listctrl/ExListCtrl.h"
#include "platform/MessageSink.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace orvel {

namespace {

// Where a cell keeps the value its text last showed rightly.
constexpr int KeptValueRole = Qt::UserRole;

// Room beside a cell's text: the item's margins and the in-place editor's frame.
constexpr int CellPadding = 14;
// Cell values are sized for at least this many digits, so an edit that adds one still fits.
const QString WidestValue = QStringLiteral("-00");

// Widens every shown column to what it needs and makes the list exactly as large as
// its columns and rows.
void fit(CExListCtrl *list, const QList<int> &leastWidths)
{
    int width = 0;
    for (int column = 0; column < list->columnCount(); ++column) {
        const int least = leastWidths.value(column);
        if (least > 0)
            list->setColumnWidth(column, std::max(least, ValueGrid::neededWidth(list, column)));
        width += list->columnWidth(column);
    }
    int height = list->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < list->rowCount(); ++row)
        height += list->rowHeight(row);
    const int frame = 2 * list->frameWidth();
    list->setFixedSize(width + frame, height + frame);
}

} // namespace

int ValueGrid::neededWidth(const CExListCtrl *list, int column)
{
    const QFontMetrics metrics = list->fontMetrics();
    int needed = list->horizontalHeader()->sectionSizeHint(column);
    for (int row = 0; row < list->rowCount(); ++row) {
        const QTableWidgetItem *cell = list->item(row, column);
        if (cell)
            needed = std::max(needed, metrics.horizontalAdvance(cell->text()) + CellPadding);
    }
    return needed;
}

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
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setColumnCount(columns.size());
    list->setRowCount(rows);
    QList<int> leastWidths;
    for (int column = 0; column < columns.size(); ++column) {
        const Column &c = columns[column];
        list->setHorizontalHeaderItem(column, new QTableWidgetItem(c.heading));
        list->SetUnresizableColumn(column);
        list->setColumnWidth(column, c.width);
        leastWidths.append(c.width);
        if (!c.editable)
            list->SetReadOnlyColumn(column);
        for (int row = 0; row < rows; ++row) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(c.alignment | Qt::AlignVCenter);
            list->setItem(row, column, cell);
        }
        // Values arrive later, when the page first shows; the room for them is kept now.
        if (c.editable && c.width > 0)
            leastWidths.last() = std::max(c.width, list->fontMetrics().horizontalAdvance(WidestValue) + CellPadding);
    }
    for (int row = 0; row < rows && row < labels.size(); ++row)
        list->SetItemText(row, labelColumn, labels[row]);
    fit(list, leastWidths);
    // A value wider than its column widens it.
    QObject::connect(list->model(), &QAbstractItemModel::dataChanged, list,
                     [list, leastWidths] { fit(list, leastWidths); });
    QObject::connect(list, &CExListCtrl::subItemEdited, list,
                     [range, &sink](CExListCtrl *edited, int item, int column, const QString &text) {
                         const int value = SettingsBinding::value(text);
                         if (value >= range.min && value <= range.max) {
                             setValue(edited, item, column, value);
                             return;
                         }
                         const int kept = edited->item(item, column)->data(KeptValueRole).toInt();
                         setValue(edited, item, column, kept);
                         // Filled in one step, so that a "%" typed into the cell stays as typed.
                         sink.showMessage(tr("%1 are whole numbers from %2 to %3; \"%4\" is not one. The cell "
                                             "keeps %5.")
                                              .arg(range.what, QString::number(range.min), QString::number(range.max),
                                                   text.trimmed(), QString::number(kept)));
                     });
    return list;
}

} // namespace orvel
