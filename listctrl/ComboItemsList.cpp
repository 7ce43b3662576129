#include "listctrl/ComboItemsList.h"

CComboItemsList::CComboItemsList() = default;

CComboItemsList::CComboItemsList(bool sort, int column, const QStringList &items)
    : sort(sort), column(column), items(items)
{
}

CComboItemsList::CComboItemsList(const CComboItemsList &other) = default;
CComboItemsList &CComboItemsList::operator=(const CComboItemsList &other) = default;
CComboItemsList::~CComboItemsList() = default;
