#pragma once

#include "TamrexListCtrlExport.h"

#include <QDateTime>

// The current date of a date cell of CExListCtrl.
class TAMREXLISTCTRL_EXPORT CDateStatus {
public:
    CDateStatus();
    CDateStatus(int item, int column, const QDateTime &date);
    CDateStatus(const CDateStatus &other);
    CDateStatus &operator=(const CDateStatus &other);
    virtual ~CDateStatus();

    int item = -1;
    int column = -1;
    QDateTime date;
};
