#include "listctrl/DateStatus.h"

CDateStatus::CDateStatus() = default;

CDateStatus::CDateStatus(int item, int column, const QDateTime &date)
    : item(item), column(column), date(date)
{
}

CDateStatus::CDateStatus(const CDateStatus &other) = default;
CDateStatus &CDateStatus::operator=(const CDateStatus &other) = default;
CDateStatus::~CDateStatus() = default;
