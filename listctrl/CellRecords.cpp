#include "listctrl/CellRecords.h"

namespace tamrex {

namespace {
// Index lists keep insertion order and hold each value at most once.
template <typename T>
void setMember(QList<T> &list, const T &value, bool member)
{
    if (!member)
        list.removeAll(value);
    else if (!list.contains(value))
        list.append(value);
}

// After item `item` is deleted: its records go, those of later items move up by one.
template <typename Record>
void removeItemRecords(QList<Record> &records, int item)
{
    records.removeIf([item](const Record &r) { return r.item == item; });
    for (Record &r : records) {
        if (r.item > item)
            --r.item;
    }
}

template <typename Record>
Record *cellRecord(QList<Record> &records, int item, int column)
{
    for (Record &r : records) {
        if (r.item == item && r.column == column)
            return &r;
    }
    return nullptr;
}

template <typename Record>
const Record *cellRecord(const QList<Record> &records, int item, int column)
{
    return cellRecord(const_cast<QList<Record> &>(records), item, column);
}

template <typename Record>
void removeColumnRecords(QList<Record> &records, int column)
{
    records.removeIf([column](const Record &r) { return r.column == column; });
}
} // namespace

void CellRecords::setComboColumn(int column, const QStringList *items, bool set, bool sort)
{
    setChoiceColumn(m_comboColumns, column, items, set, sort);
}

void CellRecords::setTreeColumn(int column, const QStringList *items, bool set)
{
    setChoiceColumn(m_treeColumns, column, items, set, false);
}

void CellRecords::setChoiceColumn(QList<int> &kind, int column, const QStringList *items, bool set, bool sort)
{
    setMember(kind, column, set);
    if (set) {
        setColumnChoices(column, CComboItemsList(sort, column, items ? *items : QStringList()));
        return;
    }
    removeColumnRecords(m_columnChoices, column);
    removeColumnRecords(m_comboStatuses, column);
}

void CellRecords::setDateColumn(int column, bool set)
{
    setMember(m_dateColumns, column, set);
}

CellRecords::Kind CellRecords::kindOf(int column) const
{
    if (m_comboColumns.contains(column))
        return Kind::Combo;
    if (m_treeColumns.contains(column))
        return Kind::Tree;
    if (m_dateColumns.contains(column))
        return Kind::Date;
    return Kind::Text;
}

void CellRecords::setReadOnlyColumn(int column, bool readOnly)
{
    setMember(m_readOnlyColumns, column, readOnly);
}

void CellRecords::setReadOnlyItem(int item, bool readOnly)
{
    setMember(m_readOnlyItems, item, readOnly);
}

void CellRecords::setReadOnlyCell(int item, int column, bool readOnly)
{
    setMember(m_readOnlyCells, qMakePair(item, column), readOnly);
}

bool CellRecords::isReadOnlyItem(int item) const
{
    return m_readOnlyItems.contains(item);
}

bool CellRecords::isReadOnlyCell(int item, int column) const
{
    return m_readOnlyCells.contains(qMakePair(item, column));
}

bool CellRecords::isEditable(int item, int column) const
{
    return !m_readOnlyColumns.contains(column) && !isReadOnlyItem(item) && !isReadOnlyCell(item, column);
}

void CellRecords::clearReadOnly()
{
    m_readOnlyCells.clear();
    m_readOnlyColumns.clear();
    m_readOnlyItems.clear();
}

void CellRecords::setUnresizableColumn(int column, bool unresizable)
{
    setMember(m_unresizableColumns, column, unresizable);
}

const QList<int> &CellRecords::unresizableColumns() const
{
    return m_unresizableColumns;
}

void CellRecords::setColumnChoices(int column, const CComboItemsList &choices)
{
    CComboItemsList copy = choices;
    copy.column = column;
    for (CComboItemsList &r : m_columnChoices) {
        if (r.column == column) {
            r = copy;
            return;
        }
    }
    m_columnChoices.append(copy);
}

void CellRecords::setCellChoices(int item, int column, const CComboSubitemsList &choices)
{
    CComboSubitemsList copy = choices;
    copy.item = item;
    copy.column = column;
    if (CComboSubitemsList *existing = cellRecord(m_cellChoices, item, column))
        *existing = copy;
    else
        m_cellChoices.append(copy);
}

const CComboItemsList *CellRecords::columnChoices(int column) const
{
    for (const CComboItemsList &r : m_columnChoices) {
        if (r.column == column)
            return &r;
    }
    return nullptr;
}

const CComboSubitemsList *CellRecords::cellChoices(int item, int column) const
{
    return cellRecord(m_cellChoices, item, column);
}

CellRecords::Choices CellRecords::choicesFor(int item, int column) const
{
    if (const CComboSubitemsList *own = cellChoices(item, column))
        return {own->items, false};
    if (const CComboItemsList *shared = columnChoices(column))
        return {shared->items, shared->sort};
    return {};
}

void CellRecords::removeCellChoicesOf(int item)
{
    removeItemRecords(m_cellChoices, item);
}

void CellRecords::setComboStatus(int item, int column, int selected, const QString &text)
{
    if (CComboStatus *status = cellRecord(m_comboStatuses, item, column)) {
        status->selected = selected;
        status->text = text;
    } else {
        m_comboStatuses.append(CComboStatus(item, column, selected, text));
    }
}

const CComboStatus *CellRecords::comboStatus(int item, int column) const
{
    return cellRecord(m_comboStatuses, item, column);
}

CComboStatus CellRecords::ensureComboStatus(int item, int column)
{
    if (const CComboStatus *status = comboStatus(item, column))
        return *status;
    m_comboStatuses.append(CComboStatus(item, column, -1, QString()));
    return m_comboStatuses.last();
}

void CellRecords::removeComboStatus(int item, int column)
{
    if (column == -1) {
        removeItemRecords(m_comboStatuses, item);
        return;
    }
    m_comboStatuses.removeIf([item, column](const CComboStatus &s) { return s.item == item && s.column == column; });
}

void CellRecords::clearComboStatuses()
{
    m_comboStatuses.clear();
}

void CellRecords::setDate(int item, int column, const QDateTime &date)
{
    if (CDateStatus *status = cellRecord(m_dateStatuses, item, column))
        status->date = date;
    else
        m_dateStatuses.append(CDateStatus(item, column, date));
}

const CDateStatus *CellRecords::dateStatus(int item, int column) const
{
    return cellRecord(m_dateStatuses, item, column);
}

QDateTime CellRecords::ensureDate(int item, int column, const QDateTime &now)
{
    if (const CDateStatus *status = dateStatus(item, column))
        return status->date;
    setDate(item, column, now);
    return now;
}

void CellRecords::recordEdit(int item, int column, const QString &text, int selected, const QDate &date)
{
    switch (kindOf(column)) {
    case Kind::Combo:
    case Kind::Tree:
        setComboStatus(item, column, selected, text);
        break;
    case Kind::Date:
        if (date.isValid()) {
            const CDateStatus *stored = dateStatus(item, column);
            const bool timed = stored && stored->date.isValid();
            setDate(item, column, QDateTime(date, timed ? stored->date.time() : QTime(0, 0)));
        }
        break;
    case Kind::Text:
        break;
    }
}

void CellRecords::rowsRemoved(int first, int last, int rowsLeft)
{
    for (int item = last; item >= first; --item) {
        removeItemRecords(m_comboStatuses, item);
        removeItemRecords(m_dateStatuses, item);
    }
    if (rowsLeft == 0)
        clearStatuses();
}

void CellRecords::clearStatuses()
{
    m_comboStatuses.clear();
    m_dateStatuses.clear();
}

} // namespace tamrex
