#include "desktop/CMainDlg.h"

#include "desktop/DesktopAbout.h"
#include "desktop/CCountryDlg.h"
#include "desktop/CountryChoice.h"
#include "desktop/settings/CPSheetConfig.h"
#include "desktop/horoscopes/CHoroscopeManagerDlg.h"
#include "platform/Clock.h"
#include "platform/MessageSink.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvel {

CMainDlg::CMainDlg(const QString &programFolder, DeviceLink &device, MessageSink &sink, QWidget *parent)
    : QDialog(parent), m_programFolder(programFolder), m_device(device), m_sink(sink),
      m_font(programFolder + QStringLiteral("/InstallFont"), SymbolFontInstaller::userFontFolder())
{
    setWindowTitle(tr("OrvelWin CE Configuration"));
    setWindowIcon(QIcon(QStringLiteral(":/desktop/orvelwinconfig.svg")));

    auto *box = new QGroupBox(tr("OrvelWin CE"), this);
    new QGridLayout(box);
    m_country = tool(tr("&Country choice"), QStringLiteral("countries"), box);
    QPushButton *horoscopes = tool(tr("&Horoscopes manager"), QStringLiteral("horoscopes"), box);
    QPushButton *settings = tool(tr("&Orvellogical configuration"), QStringLiteral("settings"), box);
    connect(m_country, &QPushButton::clicked, this, &CMainDlg::openCountryChoice);
    connect(horoscopes, &QPushButton::clicked, this, &CMainDlg::openHoroscopeManager);
    connect(settings, &QPushButton::clicked, this, &CMainDlg::openSettings);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *about = buttons->addButton(tr("&About OrvelWinConfig..."), QDialogButtonBox::HelpRole);
    buttons->addButton(tr("E&xit"), QDialogButtonBox::RejectRole);
    connect(about, &QPushButton::clicked, this, &CMainDlg::openAbout);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
}

QPushButton *CMainDlg::tool(const QString &text, const QString &picture, QWidget *box)
{
    auto *grid = static_cast<QGridLayout *>(box->layout());
    const int row = grid->rowCount();
    auto *label = new QLabel(box);
    label->setPixmap(QIcon(QStringLiteral(":/desktop/%1.svg").arg(picture)).pixmap(40, 40));
    auto *button = new QPushButton(text, box);
    button->setMinimumWidth(220);
    grid->addWidget(label, row, 0);
    grid->addWidget(button, row, 1);
    return button;
}

void CMainDlg::openCountryChoice()
{
    CountryChoice choice(m_programFolder, m_device, m_sink);
    CCountryDlg dialog(choice, m_sink, m_programFolder, this);
    if (dialog.load())
        dialog.exec();
}

void CMainDlg::openHoroscopeManager()
{
    CHoroscopeManagerDlg dialog(m_programFolder, m_device, m_sink, Clock().now(), {}, this);
    dialog.load();
    dialog.exec();
}

void CMainDlg::openSettings()
{
    CPSheetConfig sheet(m_programFolder, m_device, m_sink, m_font, ValueChoosers::dialogs(), this);
    sheet.fetch();
    sheet.exec();
}

void CMainDlg::openAbout()
{
    CAboutDlg::show(desktopAboutText(), m_programFolder, this);
}

} // namespace orvel
