#include "listctrl/ComboSubitemsList.h"

CComboSubitemsList::CComboSubitemsList() = default;

CComboSubitemsList::CComboSubitemsList(const QStringList &items, int item, int column)
    : items(items), item(item), column(column)
{
}

CComboSubitemsList::CComboSubitemsList(const CComboSubitemsList &other) = default;
CComboSubitemsList &CComboSubitemsList::operator=(const CComboSubitemsList &other) = default;
CComboSubitemsList::~CComboSubitemsList() = default;
