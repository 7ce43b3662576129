#include "storage/COrvelWinDoc.h"

#include "engine/Ephemeris.h"
#include "platform/Clock.h"
#include "storage/HoroscopeFile.h"
#include "storage/SettingsFile.h"

#include <QFileInfo>

namespace orvel {

COrvelWinDoc::COrvelWinDoc(const Clock &clock, MessageSink &ui, const QString &programFolder,
                           const QString &dataFolder)
    : m_clock(clock), m_ui(ui), m_programFolder(programFolder), m_dataFolder(dataFolder)
{
}

QString COrvelWinDoc::horoscopeFile() const { return m_dataFolder + QStringLiteral("/horoskop.xml"); }
QString COrvelWinDoc::settingsFile() const { return m_dataFolder + QStringLiteral("/orvel.xml"); }
QString COrvelWinDoc::ephemerisFolder() const
{
    // A folder of its own beside the program wins; an installed program uses the
    // system's ephemeris files.
    const QString own = m_programFolder + QStringLiteral("/Ephem");
    return QFileInfo(own).isDir() ? own : QStringLiteral(ORVEL_SYSTEM_EPHE_DIR);
}

bool COrvelWinDoc::OnNewDocument()
{
    Ephemeris::setDataFolder(ephemerisFolder());
    m_settings = ChartSettings::defaults();
    SettingsFile::load(settingsFile(), m_settings);
    HoroscopeFile::load(horoscopeFile(), m_horoscopes, m_clock.now());
    while (m_horoscopes.size() < 2)
        m_horoscopes.push_back(HoroscopeRecord::createDefault(m_clock.now()));
    m_ready = true;
    return true;
}

bool COrvelWinDoc::saveHoroscopes()
{
    return HoroscopeFile::save(horoscopeFile(), m_horoscopes, m_ui);
}

bool COrvelWinDoc::saveSettings()
{
    return SettingsFile::save(settingsFile(), m_settings, m_ui);
}

} // namespace orvel
