#include "listctrl/BaseListCtrl.h"

#include <QHeaderView>

CBaseListCtrl::CBaseListCtrl(QWidget *parent)
    : QTableWidget(parent)
{
    verticalHeader()->hide();
    // A caller may make a column as narrow as it likes, down to hiding it.
    horizontalHeader()->setMinimumSectionSize(0);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    // Qt's own editors would write cells past the cleaning of SetItemText.
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { onRowsInserted(first, last); });
    // Text reaches column 0 of a new row also through setItem after insertRow.
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                if (topLeft.column() == 0)
                    cleanFirstColumn(topLeft.row(), bottomRight.row());
            });
}

CBaseListCtrl::~CBaseListCtrl()
{
    // The model is deleted after this part of the object; its last signals must not reach it.
    disconnect(model(), nullptr, this, nullptr);
}

QString CBaseListCtrl::MakePrintable(QString &text)
{
    for (QChar &c : text) {
        if (c.unicode() < 33)
            c = QLatin1Char(' ');
    }
    return text;
}

bool CBaseListCtrl::SetItemText(int item, int subItem, const QString &text)
{
    if (item < 0 || item >= rowCount() || subItem < 0 || subItem >= columnCount())
        return false;
    QString printable = text;
    MakePrintable(printable);
    if (QTableWidgetItem *cell = this->item(item, subItem))
        cell->setText(printable);
    else
        setItem(item, subItem, new QTableWidgetItem(printable));
    return true;
}

bool CBaseListCtrl::SetItem(int item, int subItem, int mask, const QString &text, int image,
                            int state, int stateMask, qintptr param)
{
    ListViewItem record{mask, item, subItem, text, image, state, stateMask, param};
    return SetItem(&record);
}

bool CBaseListCtrl::SetItem(ListViewItem *record)
{
    if (!record)
        return false;
    const int row = record->item;
    const int column = record->subItem;
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    if (record->mask & ListViewItem::Text)
        SetItemText(row, column, MakePrintable(record->text));
    auto cellAt = [this, row](int column) {
        if (!item(row, column))
            setItem(row, column, new QTableWidgetItem);
        return item(row, column);
    };
    if (record->mask & ListViewItem::Image)
        cellAt(column)->setData(ImageRole, record->image);
    if (record->mask & ListViewItem::Param)
        cellAt(0)->setData(ParamRole, QVariant::fromValue<qintptr>(record->param));
    if (record->mask & ListViewItem::State) {
        const QModelIndex index = model()->index(row, column);
        if (record->stateMask & ListViewItem::Selected) {
            const bool selected = record->state & ListViewItem::Selected;
            selectionModel()->select(index, (selected ? QItemSelectionModel::Select
                                                      : QItemSelectionModel::Deselect)
                                                | QItemSelectionModel::Rows);
        }
        if ((record->stateMask & ListViewItem::Focused) && (record->state & ListViewItem::Focused))
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    return true;
}

void CBaseListCtrl::cleanFirstColumn(int first, int last)
{
    for (int row = first; row <= last; ++row) {
        QTableWidgetItem *cell = item(row, 0);
        if (!cell)
            continue;
        QString text = cell->text();
        const QString original = text;
        if (MakePrintable(text) != original)
            cell->setText(text);
    }
}

void CBaseListCtrl::onRowsInserted(int first, int last)
{
    cleanFirstColumn(first, last);
    // A row that lands on the visible page shows at once, not at the next paint.
    const int top = qMax(0, rowAt(0));
    const int rowHeight = qMax(1, verticalHeader()->defaultSectionSize());
    const int perPage = viewport()->height() / rowHeight;
    if (last >= top && first <= top + perPage)
        viewport()->repaint();
}
