#pragma once

#include "desktop/settings/SettingsBinding.h"

#include <QWidget>

namespace orvel {

// A page of the configuration sheet. Pages whose controls keep values register them
// with binding(): they are shown from the block when the page is first shown and
// handed back on OK; a page never shown hands nothing back.
class CSettingsPage : public QWidget {
    Q_OBJECT
public:
    CSettingsPage(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }

    // Takes the controls' values into the block; false keeps the sheet open on this page.
    virtual bool handBack();

protected:
    SettingsBinding &binding() { return m_binding; }
    void showEvent(QShowEvent *event) override;

private:
    QString m_caption;
    SettingsBinding m_binding;
    bool m_shown = false;
};

} // namespace orvel
