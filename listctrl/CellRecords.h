#pragma once

#include "listctrl/ComboItemsList.h"
#include "listctrl/ComboStatus.h"
#include "listctrl/ComboSubitemsList.h"
#include "listctrl/DateStatus.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace tamrex {

// What a CExListCtrl knows about its columns, rows and cells besides their texts: the
// editor kind of each column, the read-only columns, rows and cells, the columns locked
// against resizing, the choices of columns and of single cells, and the choice or date
// each cell holds (its status). Statuses follow row deletions; choice records and
// read-only marks stay where they were, since their owner sets them by position.
class CellRecords {
public:
    // The editor a column's cells open. A column marked with several kinds opens the
    // first of combo, tree and date.
    enum class Kind { Text, Combo, Tree, Date };

    // What a combo or tree cell offers.
    struct Choices {
        QStringList items;
        bool sort = false; // the drop-down list shows them sorted
    };

    // Set makes the column a combo (tree) column whose choices are a copy of `items`,
    // replacing earlier ones; clear drops the column's choices and every combo status of
    // the column.
    void setComboColumn(int column, const QStringList *items, bool set, bool sort);
    void setTreeColumn(int column, const QStringList *items, bool set);
    void setDateColumn(int column, bool set);
    Kind kindOf(int column) const;

    // Marks are added once and removed entirely.
    void setReadOnlyColumn(int column, bool readOnly);
    void setReadOnlyItem(int item, bool readOnly);
    void setReadOnlyCell(int item, int column, bool readOnly);
    bool isReadOnlyItem(int item) const;
    bool isReadOnlyCell(int item, int column) const; // the cell's own mark only
    // False when the column, the row or the cell is read-only.
    bool isEditable(int item, int column) const;
    void clearReadOnly(); // columns, rows and cells; the unresizable columns stay

    void setUnresizableColumn(int column, bool unresizable);
    const QList<int> &unresizableColumns() const;

    // A copy that names the column (cell) replaces its record or is added.
    void setColumnChoices(int column, const CComboItemsList &choices);
    void setCellChoices(int item, int column, const CComboSubitemsList &choices);
    // The stored record, while it is stored; nullptr when there is none.
    const CComboItemsList *columnChoices(int column) const;
    const CComboSubitemsList *cellChoices(int item, int column) const;
    // The cell's own choices (never sorted) where it has a record, even an empty one,
    // else its column's.
    Choices choicesFor(int item, int column) const;
    // After item `item` was deleted: its cells' choice records go, those of later items
    // move up by one.
    void removeCellChoicesOf(int item);

    void setComboStatus(int item, int column, int selected, const QString &text);
    const CComboStatus *comboStatus(int item, int column) const;
    // The cell's status; one with nothing chosen is added first where there is none.
    CComboStatus ensureComboStatus(int item, int column);
    // Column -1 removes every status of the item and moves those of later items up by one.
    void removeComboStatus(int item, int column);
    void clearComboStatuses();

    void setDate(int item, int column, const QDateTime &date);
    const CDateStatus *dateStatus(int item, int column) const;
    // The cell's date; `now` is stored first where there is none.
    QDateTime ensureDate(int item, int column, const QDateTime &now);

    // Stores the status that an editor of the column's kind ended with: the choice of a
    // combo or tree cell; the date of a date cell, keeping its stored time of day
    // (midnight for a cell without one). An invalid date stores nothing.
    void recordEdit(int item, int column, const QString &text, int selected, const QDate &date);

    // Rows `first` to `last` were deleted and `rowsLeft` remain: their statuses go and
    // those of later rows move up. Without any row left no status describes a cell.
    void rowsRemoved(int first, int last, int rowsLeft);
    void clearStatuses(); // combo and date statuses

private:
    void setChoiceColumn(QList<int> &kind, int column, const QStringList *items, bool set, bool sort);

    QList<int> m_comboColumns;
    QList<int> m_treeColumns;
    QList<int> m_dateColumns;
    QList<int> m_readOnlyColumns;
    QList<int> m_readOnlyItems;
    QList<QPair<int, int>> m_readOnlyCells; // (item, column)
    QList<int> m_unresizableColumns;
    QList<CComboItemsList> m_columnChoices;
    QList<CComboSubitemsList> m_cellChoices;
    QList<CComboStatus> m_comboStatuses;
    QList<CDateStatus> m_dateStatuses;
};

} // namespace tamrex
