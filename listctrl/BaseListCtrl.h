#pragma once

#include "ListViewItem.h"
#include "TamrexListCtrlExport.h"

#include <QTableWidget>

// A report-style list (rows are items, columns are subitems) whose cells never hold a
// character below 33, so that a text read from a file or typed by the user cannot break
// a single-line cell. Every text set through SetItem or SetItemText is made printable,
// and so is column 0 of every inserted row, however its text arrives.
class TAMREXLISTCTRL_EXPORT CBaseListCtrl : public QTableWidget {
    Q_OBJECT
public:
    // Data roles of a cell besides its text.
    static constexpr int ParamRole = Qt::UserRole;     // the row's parameter, on column 0
    static constexpr int ImageRole = Qt::UserRole + 1; // the cell's image index

    explicit CBaseListCtrl(QWidget *parent = nullptr);
    ~CBaseListCtrl() override;

    // Replaces every character below 33 in `text` itself by a blank and returns a copy.
    static QString MakePrintable(QString &text);

    // Sets the cell to the printable form of a copy of `text`, creating its item where
    // there is none. False for a cell outside the list.
    bool SetItemText(int item, int subItem, const QString &text);

    // Applies the fields named in `mask` (ListViewItem bits) to the cell; the text is a
    // printable copy of `text`. False for a cell outside the list.
    bool SetItem(int item, int subItem, int mask, const QString &text, int image, int state,
                 int stateMask, qintptr param);

    // The same with a record; its text is made printable in the caller's record first.
    bool SetItem(ListViewItem *record);

private:
    void cleanFirstColumn(int first, int last);
    void onRowsInserted(int first, int last);
};
