#pragma once

#include "desktop/DeviceWorkingCopy.h"
#include "desktop/settings/ValueChoosers.h"
#include "engine/ChartSettings.h"

#include <QDialog>
#include <QList>

class QDialogButtonBox;
class QTabWidget;

namespace orvel {

class CSettingsPage;
class DeviceLink;
class MessageSink;
class SymbolFontInstaller;

// "Configuration": the seven pages that edit the handheld's orvel.xml. Opening fetches
// the handheld file into the working copy beside the program and reads it over the
// defaults; OK hands the pages back, writes the working copy and stores it on the
// handheld; Cancel asks before it throws the changes away.
class CPSheetConfig : public QDialog {
    Q_OBJECT
public:
    // `device`, `sink`, `font` must outlive the sheet. `choosers` are copied.
    CPSheetConfig(const QString &programFolder, DeviceLink &device, MessageSink &sink, SymbolFontInstaller &font,
                  const ValueChoosers &choosers = ValueChoosers::dialogs(), QWidget *parent = nullptr);
    ~CPSheetConfig() override;

    // Fetches the handheld file and reads the working copy over the defaults. A failed
    // fetch leaves the working copy as it stands.
    void fetch();

    const ChartSettings &settings() const { return m_settings; }
    QString workingCopy() const;
    QTabWidget *pages() const { return m_tabs; }
    QDialogButtonBox *buttons() const { return m_buttons; }
    CSettingsPage *page(int index) const { return m_pages.value(index); }

public slots:
    void accept() override;
    void reject() override;

private:
    DeviceWorkingCopy m_workingCopy;
    MessageSink &m_sink;
    ValueChoosers m_choosers;
    ChartSettings m_settings;
    QTabWidget *m_tabs;
    QDialogButtonBox *m_buttons;
    QList<CSettingsPage *> m_pages;
};

} // namespace orvel
