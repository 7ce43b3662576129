#include "desktop/settings/CPSheetConfig.h"

#include "desktop/settings/CPPageAspekt.h"
#include "desktop/settings/CPPageAspektOrben.h"
#include "desktop/settings/CPPageColor.h"
#include "desktop/settings/CPPageDiverse.h"
#include "desktop/settings/CPPageElement.h"
#include "desktop/settings/CPPageHouse.h"
#include "desktop/settings/CPPagePlanetBewertung.h"
#include "platform/MessageSink.h"
#include "platform/WaitCursor.h"
#include "storage/DamagedFileCopy.h"
#include "storage/SettingsFile.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvel {

CPSheetConfig::CPSheetConfig(const QString &programFolder, DeviceLink &device, MessageSink &sink,
                             SymbolFontInstaller &font, const ValueChoosers &choosers, QWidget *parent)
    : QDialog(parent),
      m_workingCopy(device, sink, QLatin1StringView(SettingsFile::FileName),
                    programFolder + u'/' + QLatin1StringView(SettingsFile::FileName)),
      m_sink(sink), m_choosers(choosers),
      m_settings(ChartSettings::defaults()), m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Configuration"));
    m_pages = {new CPPageColor(m_settings, m_choosers, font),
               new CPPageElement(m_settings, m_choosers),
               new CPPageAspekt(m_settings, m_choosers),
               new CPPageHouse(m_settings),
               new CPPagePlanetBewertung(m_settings, m_sink),
               new CPPageAspektOrben(m_settings, m_sink),
               new CPPageDiverse(m_settings)};
    for (CSettingsPage *page : m_pages)
        m_tabs->addTab(page, page->caption());

    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPSheetConfig::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CPSheetConfig::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
    resize(780, 420);
}

CPSheetConfig::~CPSheetConfig() = default;

QString CPSheetConfig::workingCopy() const
{
    return m_workingCopy.path();
}

void CPSheetConfig::fetch()
{
    WaitCursor wait(m_sink);
    m_workingCopy.fetch();
    // A missing copy leaves the defaults; of a damaged one the values before the damage
    // are taken, and the file is kept before OK replaces it.
    const Result<SettingsFile::Reading> reading = SettingsFile::read(workingCopy(), ChartSettings::defaults());
    m_sink.showDiagnostics(reading.diagnostics());
    m_settings = reading->settings;
    if (reading.status() == ResultStatus::Damaged)
        m_sink.showMessage(DamagedFileCopy::keepAndDescribe(reading->damage, FileDamage::Items::Settings));
}

void CPSheetConfig::accept()
{
    WaitCursor wait(m_sink);
    for (CSettingsPage *page : m_pages) {
        if (!page->handBack()) {
            m_tabs->setCurrentWidget(page);
            return;
        }
    }
    // A working copy that cannot be written keeps the sheet open: storing the old copy
    // on the handheld would pass it off as the new settings.
    if (const Result<> saved = SettingsFile::save(workingCopy(), m_settings); !saved) {
        m_sink.showMessage(saved.message());
        return;
    }
    m_workingCopy.store(workingCopy());
    QDialog::accept();
}

void CPSheetConfig::reject()
{
    if (m_sink.askYesNo(tr("Exit?")))
        QDialog::reject();
}

} // namespace orvel
