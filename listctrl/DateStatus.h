#pragma once

#include "TamrexListCtrlExport.h"

#include <QDateTime>

// The current date of a date cell of CExListCtrl.
class TAMREXLISTCTRL_EXPORT CDateStatus {
public:
    // The dates a date cell's editor offers: the years 100 to 9999 of the proleptic
    // Gregorian calendar, as the date-time values of the owners' files hold them.
    static QDate earliestDate();
    static QDate latestDate();

    CDateStatus();
    CDateStatus(int item, int column, const QDateTime &date);
    CDateStatus(const CDateStatus &other);
    CDateStatus &operator=(const CDateStatus &other);
    virtual ~CDateStatus();

    int item = -1;
    int column = -1;
    QDateTime date;
};
