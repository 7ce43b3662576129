#include "storage/COrvelWinDoc.h"

#include "engine/Ephemeris.h"
#include "platform/Clock.h"
#include "platform/MessageSink.h"
#include "storage/DamagedFileCopy.h"
#include "storage/HoroscopeFile.h"
#include "storage/HoroscopeList.h"
#include "storage/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace orvel {

COrvelWinDoc::COrvelWinDoc(const Clock &clock, MessageSink &ui, const QString &programFolder,
                           const QString &dataFolder, const FileWriter &writer)
    : m_clock(clock), m_ui(ui), m_writer(writer), m_programFolder(programFolder), m_dataFolder(dataFolder)
{
}

QString COrvelWinDoc::horoscopeFile() const
{
    return m_dataFolder + u'/' + QLatin1StringView(HoroscopeFile::FileName);
}

QString COrvelWinDoc::settingsFile() const
{
    return m_dataFolder + u'/' + QLatin1StringView(SettingsFile::FileName);
}


QString COrvelWinDoc::ephemerisFolder() const
{
    // A folder of its own beside the program wins; an installed program uses the
    // system's ephemeris files.
    const QString own = m_programFolder + u'/' + QLatin1StringView(Ephemeris::FolderName);
    return QFileInfo(own).isDir() ? own : QStringLiteral(ORVEL_SYSTEM_EPHE_DIR);
}

void COrvelWinDoc::OnNewDocument()
{
    Ephemeris::setDataFolder(ephemerisFolder());
    const Result<SettingsFile::Reading> settings = SettingsFile::read(settingsFile(), ChartSettings::defaults());
    m_ui.showDiagnostics(settings.diagnostics());
    m_settings = settings->settings;
    m_settingsDamaged = damagedFrom(settings->damage, FileDamage::Items::Settings);
    const Result<HoroscopeFile::Reading> horoscopes = HoroscopeFile::read(horoscopeFile(), m_clock.now());
    m_ui.showDiagnostics(horoscopes.diagnostics());
    if (horoscopes.status() != ResultStatus::Missing)
        m_horoscopes = horoscopes->records();
    m_horoscopesDamaged = damagedFrom(horoscopes->damage, FileDamage::Items::Horoscopes);
    HoroscopeList(m_horoscopes).fill(QString::fromLatin1(DefaultHoroscopeName), m_clock.now());
}

QString COrvelWinDoc::startupReport() const
{
    QStringList reports;
    for (const Damaged *damaged : {&m_settingsDamaged, &m_horoscopesDamaged}) {
        if (damaged->pending)
            reports.append(damaged->report);
    }
    return reports.join(QStringLiteral("\n\n"));
}

COrvelWinDoc::Damaged COrvelWinDoc::damagedFrom(const FileDamage &damage, FileDamage::Items items)
{
    if (!damage.isDamaged())
        return {};
    return {true, damage.describe(items)
                      + tr("\nBefore the file is first replaced, it is kept as %1.")
                            .arg(QDir::toNativeSeparators(DamagedFileCopy::copyName(damage.path)))};
}

bool COrvelWinDoc::keepDamaged(Damaged &damaged, const QString &path)
{
    if (!damaged.pending)
        return true;
    if (!QFileInfo::exists(path)) { // removed meanwhile: nothing left to keep
        damaged.pending = false;
        return true;
    }
    const Result<QString> kept = DamagedFileCopy::keep(path, m_writer);
    if (!kept) {
        m_ui.showMessage(tr("%1 was not replaced: its damaged content could not be kept beside it. %2")
                             .arg(QDir::toNativeSeparators(path), kept.message()));
        return false;
    }
    damaged.pending = false;
    return true;
}

bool COrvelWinDoc::saveHoroscopes()
{
    return keepDamaged(m_horoscopesDamaged, horoscopeFile())
        && told(HoroscopeFile::save(horoscopeFile(), m_horoscopes, m_writer));
}

bool COrvelWinDoc::saveSettings()
{
    return keepDamaged(m_settingsDamaged, settingsFile()) && told(SettingsFile::save(settingsFile(), m_settings, m_writer));
}

bool COrvelWinDoc::told(const Result<> &saved)
{
    if (!saved)
        m_ui.showMessage(saved.message());
    return saved.ok();
}

} // namespace orvel
