#include "listctrl/FindDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tamrex {

FindDialog::FindDialog(const QString &text, bool down, QWidget *parent)
    : QDialog(parent), m_text(new QLineEdit(text, this)), m_down(new QRadioButton(tr("&Down")))
{
    setWindowTitle(tr("Find"));

    auto *up = new QRadioButton(tr("&Up"));
    (down ? m_down : up)->setChecked(true);
    auto *direction = new QGroupBox(tr("Direction"));
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up);
    directionLayout->addWidget(m_down);

    auto *buttons = new QDialogButtonBox;
    QPushButton *find = buttons->addButton(tr("&Find"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    find->setDefault(true);
    find->setEnabled(!text.isEmpty());
    connect(m_text, &QLineEdit::textChanged, find, [find](const QString &t) { find->setEnabled(!t.isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(direction);
    layout->addWidget(buttons);
    m_text->selectAll();
}

QString FindDialog::text() const
{
    return m_text->text();
}

bool FindDialog::down() const
{
    return m_down->isChecked();
}

} // namespace tamrex
