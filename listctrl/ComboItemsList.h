#pragma once

#include "TamrexListCtrlExport.h"

#include <QStringList>

// The choices of a combo or tree column of CExListCtrl.
class TAMREXLISTCTRL_EXPORT CComboItemsList {
public:
    CComboItemsList();
    CComboItemsList(bool sort, int column, const QStringList &items);
    CComboItemsList(const CComboItemsList &other);
    CComboItemsList &operator=(const CComboItemsList &other);
    virtual ~CComboItemsList();

    bool sort = false; // the drop-down list shows the choices sorted
    int column = -1;
    QStringList items; // for a tree column, a backslash separates the levels of a path
};
