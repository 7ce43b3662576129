// Installs the chart symbol font for the current user: copies OWSym.ttf from the
// program's own folder into the user's font folder and refreshes the font cache, so
// that every program finds the family "OWSym".
#include "desktop/FileCopy.h"
#include "desktop/SymbolFontInstaller.h"
#include "platform/gui/ChartFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>

using namespace orvel;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString source = QCoreApplication::applicationDirPath() + u'/' + ChartFonts::SymbolFile;
    const QString folder = SymbolFontInstaller::userFontFolder();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "InstallFont: can't create %s\n", qPrintable(folder));
        return 1;
    }
    if (const std::error_code error = FileCopy::replace(source, folder + u'/' + ChartFonts::SymbolFile)) {
        std::fprintf(stderr, "InstallFont: %s: %s\n", qPrintable(source), error.message().c_str());
        return 1;
    }
    QProcess::execute(QStringLiteral("fc-cache"), {folder}); // without fontconfig the copy alone serves
    return 0;
}
