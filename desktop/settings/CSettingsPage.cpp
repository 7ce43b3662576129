#include "desktop/settings/CSettingsPage.h"

namespace orvel {

CSettingsPage::CSettingsPage(const QString &caption, QWidget *parent) : QWidget(parent), m_caption(caption)
{
}

bool CSettingsPage::handBack()
{
    if (m_shown)
        m_binding.store();
    return true;
}

void CSettingsPage::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        m_binding.load();
    }
    QWidget::showEvent(event);
}

} // namespace orvel
