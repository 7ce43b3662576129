#include "desktop/SymbolFontInstaller.h"

#include "render/ChartFonts.h"

#include <QProcess>
#include <QStandardPaths>

namespace orvel {

SymbolFontInstaller::SymbolFontInstaller(QString installer, QString userFontFolder)
    : m_installer(std::move(installer)), m_userFontFolder(std::move(userFontFolder))
{
}

bool SymbolFontInstaller::check()
{
    if (ChartFonts::hasSymbolFont())
        return true;
    if (!m_started) {
        m_started = true;
        QProcess::startDetached(m_installer, {}); // a failure to start shows nothing
        return false;
    }
    ChartFonts::registerSymbolFont(m_userFontFolder);
    return ChartFonts::hasSymbolFont();
}

QString SymbolFontInstaller::userFontFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/fonts");
}

} // namespace orvel
