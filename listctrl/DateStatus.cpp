#include "listctrl/DateStatus.h"

QDate CDateStatus::earliestDate()
{
    return QDate(100, 1, 1);
}

QDate CDateStatus::latestDate()
{
    return QDate(9999, 12, 31);
}

CDateStatus::CDateStatus() = default;

CDateStatus::CDateStatus(int item, int column, const QDateTime &date)
    : item(item), column(column), date(date)
{
}

CDateStatus::CDateStatus(const CDateStatus &other) = default;
CDateStatus &CDateStatus::operator=(const CDateStatus &other) = default;
CDateStatus::~CDateStatus() = default;
