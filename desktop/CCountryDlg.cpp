#include "desktop/CCountryDlg.h"

#include "desktop/DesktopAbout.h"
#include "desktop/CountryChoice.h"
#include "platform/MessageSink.h"
#include "platform/WaitCursor.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvel {

CCountryDlg::CCountryDlg(CountryChoice &choice, MessageSink &sink, const QString &programFolder, QWidget *parent)
    : QDialog(parent), m_choice(choice), m_sink(sink)
{
    setWindowTitle(tr("Country on Pocket PC"));
    setWindowIcon(QIcon(QStringLiteral(":/desktop/orvelwinconfig.svg")));
    m_left = makeList(tr("Country"));
    m_right = makeList(tr("PPC Country"));
    m_left->setAccessibleName(tr("Countries"));
    m_right->setAccessibleName(tr("Countries on the device"));
    m_add = new QPushButton(QStringLiteral(">"), this);
    auto *addAll = new QPushButton(QStringLiteral(">>"), this);
    auto *removeAll = new QPushButton(QStringLiteral("<<"), this);
    m_remove = new QPushButton(QStringLiteral("<"), this);
    connect(m_add, &QPushButton::clicked, this, &CCountryDlg::addSelected);
    connect(addAll, &QPushButton::clicked, this, &CCountryDlg::addAll);
    connect(removeAll, &QPushButton::clicked, this, &CCountryDlg::removeAll);
    connect(m_remove, &QPushButton::clicked, this, &CCountryDlg::removeSelected);
    connect(m_left, &QTreeWidget::itemDoubleClicked, this, &CCountryDlg::addSelected);
    connect(m_right, &QTreeWidget::itemDoubleClicked, this, &CCountryDlg::removeSelected);

    auto *picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/desktop/countries.svg")).pixmap(48, 48));
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton *button : {m_add, addAll, removeAll, m_remove})
        moves->addWidget(button);
    moves->addStretch();
    moves->addWidget(picture, 0, Qt::AlignHCenter);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&Save"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    QPushButton *about = buttons->addButton(tr("&About OrvelWinConfig..."), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCountryDlg::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(about, &QPushButton::clicked, this, [this, programFolder] { CAboutDlg::show(desktopAboutText(), programFolder, this); });

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_left, 0, 0);
    layout->addLayout(moves, 0, 1);
    layout->addWidget(m_right, 0, 2);
    layout->addWidget(buttons, 1, 0, 1, 3);

    // Buttons that need a selection follow it on a short timer rather than on every
    // selection signal, so that every way of changing a selection is covered.
    m_buttonTimer.setInterval(10);
    connect(&m_buttonTimer, &QTimer::timeout, this, &CCountryDlg::updateButtons);
}

QTreeWidget *CCountryDlg::makeList(const QString &column)
{
    auto *list = new QTreeWidget(this);
    list->setHeaderLabels({column});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setColumnWidth(0, 155);
    list->setMinimumSize(180, 300);
    return list;
}

bool CCountryDlg::load()
{
    WaitCursor busy(m_sink);
    m_buttonTimer.start();
    if (!m_choice.loadCountries(m_countries))
        return false;
    const std::optional<QSet<QString>> chosen = m_choice.chosenCodes();
    if (!chosen)
        return false;
    m_keys.clear();
    for (const CountryRecord &country : m_countries)
        m_keys.push_back(CountryChoice::listKey(country.name));
    for (int i = 0; i < int(m_countries.size()); ++i)
        insertSorted(chosen->contains(m_countries[i].code) ? m_right : m_left, i);
    updateButtons();
    return true;
}

void CCountryDlg::insertSorted(QTreeWidget *list, int index)
{
    int row = 0;
    while (row < list->topLevelItemCount() && m_keys[list->topLevelItem(row)->data(0, Qt::UserRole).toInt()] <= m_keys[index])
        ++row;
    auto *item = new QTreeWidgetItem({m_countries[index].name});
    item->setToolTip(0, m_countries[index].name);
    item->setData(0, Qt::UserRole, index);
    list->insertTopLevelItem(row, item);
}

void CCountryDlg::moveSelected(QTreeWidget *from, QTreeWidget *to)
{
    std::vector<int> rows;
    for (QTreeWidgetItem *item : from->selectedItems())
        rows.push_back(from->indexOfTopLevelItem(item));
    std::sort(rows.rbegin(), rows.rend());
    for (int row : rows) {
        QTreeWidgetItem *item = from->takeTopLevelItem(row);
        insertSorted(to, item->data(0, Qt::UserRole).toInt());
        delete item;
    }
}

void CCountryDlg::moveAll(QTreeWidget *from, QTreeWidget *to)
{
    while (from->topLevelItemCount() > 0) {
        QTreeWidgetItem *item = from->takeTopLevelItem(0);
        insertSorted(to, item->data(0, Qt::UserRole).toInt());
        delete item;
    }
}

void CCountryDlg::addSelected() { moveSelected(m_left, m_right); }
void CCountryDlg::addAll() { moveAll(m_left, m_right); }
void CCountryDlg::removeAll() { moveAll(m_right, m_left); }
void CCountryDlg::removeSelected() { moveSelected(m_right, m_left); }

void CCountryDlg::updateButtons()
{
    m_add->setEnabled(!m_left->selectedItems().isEmpty());
    m_remove->setEnabled(!m_right->selectedItems().isEmpty());
}

void CCountryDlg::save()
{
    WaitCursor busy(m_sink);
    QStringList codes;
    for (int row = 0; row < m_right->topLevelItemCount(); ++row)
        codes.append(m_countries[m_right->topLevelItem(row)->data(0, Qt::UserRole).toInt()].code);
    if (m_choice.save(codes))
        accept();
}

} // namespace orvel
