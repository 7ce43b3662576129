#pragma once

#include "BaseListCtrl.h"
#include "ComboItemsList.h"
#include "ComboStatus.h"
#include "ComboSubitemsList.h"
#include "DateStatus.h"
#include "TamrexListCtrlExport.h"

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <memory>

namespace tamrex {
class CellEditorDelegate;
class CellRecords;
class RowSearch;
struct EditorRequest;
} // namespace tamrex

// A small grid editor on CBaseListCtrl: a click on the current row's cell (or F2) opens
// an editor exactly over the cell — a line edit, a drop-down list or tree of choices, or
// a date picker — and the edited value goes back into the cell and is announced through
// subItemEdited. Column 0 never opens an editor by click or F2. Columns, rows and single
// cells can be read-only, columns can be locked against resizing, and per-cell status
// records remember the choice or date a cell holds. Only one editor is open at a time;
// Enter or focus loss ends it with the new value, Escape without.
class TAMREXLISTCTRL_EXPORT CExListCtrl : public CBaseListCtrl {
    Q_OBJECT
public:
    explicit CExListCtrl(QWidget *parent = nullptr);
    ~CExListCtrl() override;

    // Clicks and F2 open editors only with this on (the default).
    void SetEditLabels(bool enable);
    bool HasEditLabels() const;

    // Column kinds. Set makes the column a combo (tree) column with a copy of `items`
    // (replacing earlier choices); clear removes its choices and every combo status of
    // the column. A tree column's choices are paths whose levels a backslash separates.
    void SetComboColumn(int column, QStringList *items, bool set = true, bool sort = false);
    void SetComboTreeColumn(int column, QStringList *items, bool set = true);
    void SetDateColumn(int column, bool set = true);

    // Read-only and unresizable columns, rows and cells: true adds, false removes.
    void SetReadOnlyColumn(int column, bool readOnly = true);
    void SetReadOnlyItem(int item, bool readOnly = true);
    void SetUnresizableColumn(int column, bool unresizable = true);
    void SetReadOnlySubItem(int item, int column, bool readOnly = true);
    bool IsSubitemReadOnly(int item, int column) const;
    void RemoveReadOnlyInformation(int item, int column);
    void RemoveAllReadOnlyInformation(); // read-only columns, rows and cells

    // Choice records: Add stores a copy (replacing the column's or cell's record), Get
    // copies it out and is false when there is none.
    void AddComboItems(int column, const CComboItemsList *list);
    void AddComboItems(int item, int column, const CComboSubitemsList *list);
    bool GetComboItems(int column, CComboItemsList *list) const;
    bool GetComboItems(int item, int column, CComboSubitemsList *list) const;
    // Append the column's (the cell's own) choices to `items`; false when there are none.
    bool GetListItems(int column, QStringList *items, bool &sort) const;
    bool GetListItems(int column, int item, QStringList *items) const;

    // Combo statuses. RemoveComboStatus with column -1 removes every status of the item
    // and moves those of later items up by one.
    void AddComboStatus(int item, int column, int selected, const QString &text);
    bool GetSelectedItem(int item, int column, int &selected) const;
    bool GetSelectedItem(int item, int column, QString &text) const;
    void RemoveComboStatus(int item, int column);
    void RemoveAllComboStatus();

    void AddDateStatus(int item, int column, const QDateTime &date);
    bool GetDateItem(int item, int column, QDateTime &date) const;

    // Call after item `item` was deleted: drops the cells' own choice records of that
    // item and moves those of later items up by one (statuses follow deletions by
    // themselves).
    void UpdateSubitemsList(int item);

    // The item under `point` (viewport coordinates) or -1; its column through `column`.
    int HitTestEx(const QPoint &point, int *column) const;

    // Opens the editor that the column's kind calls for; nullptr when none opens.
    QWidget *EditSubLabel(int item, int column);
    QWidget *ShowInPlaceEdit(int item, int column);
    QWidget *ShowInPlaceList(int item, int column, const QStringList &choices, bool sort,
                             int selected);
    QWidget *ShowInPlaceTree(int item, int column, const QStringList &choices,
                             const QString &selected);
    QWidget *ShowInPlaceDate(int item, int column, const QDateTime &date);

    // With `enable`, unselected read-only rows are painted on `colour`.
    void SetColorForReadOnlyItem(const QColor &colour, bool enable);

    // Offers Find (Ctrl+F, context menu) and Search (F3); resets the find position.
    void EnableFind(bool enable);
    void Find();   // asks for the text and direction in the dialog "Suchen", then searches
    bool Search(); // the next row past the find position holding the text; reports a miss
    bool SearchSubItem(int item, int column) const;

signals:
    // The cell already holds the new (printable) text.
    void subItemEdited(CExListCtrl *list, int item, int column, const QString &text);
    void deleteKeyPressed(CExListCtrl *list);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class tamrex::CellEditorDelegate;

    QWidget *openEditor(int item, int column, const tamrex::EditorRequest &request);
    void showWholeColumn(int column);
    void endOpenEdit();
    void endEdit(int item, int column, const QString &text, int selected, const QDate &date);

    tamrex::CellEditorDelegate *m_delegate;
    std::unique_ptr<tamrex::CellRecords> m_records;
    std::unique_ptr<tamrex::RowSearch> m_search;
    QPointer<QWidget> m_editor; // the open editor
    bool m_opening = false;     // an editor is being opened by this class
    bool m_editLabels = true;

    bool m_readOnlyColourEnabled = false;
    QColor m_readOnlyColour;

    bool m_findEnabled = false;
};
