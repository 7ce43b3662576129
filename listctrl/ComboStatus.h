#pragma once

#include "TamrexListCtrlExport.h"

#include <QString>

// The current choice of a combo or tree cell of CExListCtrl.
class TAMREXLISTCTRL_EXPORT CComboStatus {
public:
    CComboStatus();
    CComboStatus(int item, int column, int selected, const QString &text);
    CComboStatus(const CComboStatus &other);
    CComboStatus &operator=(const CComboStatus &other);
    virtual ~CComboStatus();

    int item = -1;
    int column = -1;
    int selected = -1; // index of the chosen entry in the list as the editor shows it; -1 = none
    QString text;      // the chosen entry
};
