#include "listctrl/ComboStatus.h"

CComboStatus::CComboStatus() = default;

CComboStatus::CComboStatus(int item, int column, int selected, const QString &text)
    : item(item), column(column), selected(selected), text(text)
{
}

CComboStatus::CComboStatus(const CComboStatus &other) = default;
CComboStatus &CComboStatus::operator=(const CComboStatus &other) = default;
CComboStatus::~CComboStatus() = default;
