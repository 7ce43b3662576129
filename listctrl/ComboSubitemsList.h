#pragma once

#include "TamrexListCtrlExport.h"

#include <QStringList>

// The choices of one cell of CExListCtrl; they take the place of its column's choices
// and are never sorted.
class TAMREXLISTCTRL_EXPORT CComboSubitemsList {
public:
    CComboSubitemsList();
    CComboSubitemsList(const QStringList &items, int item, int column);
    CComboSubitemsList(const CComboSubitemsList &other);
    CComboSubitemsList &operator=(const CComboSubitemsList &other);
    virtual ~CComboSubitemsList();

    QStringList items;
    int item = -1;
    int column = -1;
};
