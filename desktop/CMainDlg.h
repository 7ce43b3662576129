#pragma once

#include "desktop/SymbolFontInstaller.h"

#include <QDialog>

class QPushButton;

namespace orvel {

class DeviceLink;
class MessageSink;

// The main dialog: the country choice, the horoscope manager and the settings editor,
// each opened anew for every click, and Exit.
class CMainDlg : public QDialog {
    Q_OBJECT
public:
    // `device` and `sink` must outlive the dialog.
    CMainDlg(const QString &programFolder, DeviceLink &device, MessageSink &sink, QWidget *parent = nullptr);

    QPushButton *countryButton() const { return m_country; }

public slots:
    void openCountryChoice();
    void openHoroscopeManager();
    void openSettings();
    void openAbout();

private:
    QPushButton *tool(const QString &text, const QString &picture, QWidget *box);

    QString m_programFolder;
    DeviceLink &m_device;
    MessageSink &m_sink;
    QPushButton *m_country;
    SymbolFontInstaller m_font; // starts the font installer at most once per run
};

} // namespace orvel
