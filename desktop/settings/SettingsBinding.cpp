#include "desktop/settings/SettingsBinding.h"

#include "desktop/settings/ValueGrid.h"
#include "listctrl/ExListCtrl.h"
#include "platform/DateTime.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

namespace orvel {

void SettingsBinding::bind(QAbstractButton *box, int &field)
{
    m_entries.push_back({[box, &field] { box->setChecked(field != 0); },
                         [box, &field] { field = box->isChecked() ? 1 : 0; }});
}

void SettingsBinding::bind(QButtonGroup *group, int &field)
{
    m_entries.push_back({[group, &field] {
                             if (QAbstractButton *button = group->button(field)) {
                                 button->setChecked(true);
                             } else if (QAbstractButton *checked = group->checkedButton()) {
                                 // An exclusive group keeps one button checked unless told not to.
                                 group->setExclusive(false);
                                 checked->setChecked(false);
                                 group->setExclusive(true);
                             }
                         },
                         [group, &field] {
                             // With no button checked the value read stays, so that an
                             // unknown house system survives an untouched page.
                             if (group->checkedId() >= 0)
                                 field = group->checkedId();
                         }});
}

void SettingsBinding::bind(QLineEdit *edit, int &field)
{
    m_entries.push_back({[edit, &field] { edit->setText(text(field)); },
                         [edit, &field] { field = value(edit->text()); }});
}

void SettingsBinding::bind(CExListCtrl *list, int item, int column, int &field)
{
    m_entries.push_back({[list, item, column, &field] { ValueGrid::setValue(list, item, column, field); },
                         [list, item, column, &field] {
                             const QTableWidgetItem *cell = list->item(item, column);
                             field = cell ? value(cell->text()) : 0;
                         }});
}

void SettingsBinding::load() const
{
    for (const Entry &entry : m_entries)
        entry.load();
}

void SettingsBinding::store() const
{
    for (const Entry &entry : m_entries)
        entry.store();
}

int SettingsBinding::value(const QString &text)
{
    return decimalValue(text);
}

QString SettingsBinding::text(int value)
{
    return QString::number(value);
}

} // namespace orvel
