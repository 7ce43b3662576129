// Installs the chart symbol font for the current user: copies OWSym.ttf from the
// program's own folder into the user's font folder and refreshes the font cache, so
// that every program finds the family "OWSym".
#include "desktop/FileCopy.h"
#include "desktop/SymbolFontInstaller.h"
#include "platform/CommandLine.h"
#include "render/ChartFonts.h"
#include "gui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>

using namespace orvel;

namespace {

void complain(const QString &text)
{
    std::fprintf(stderr, "InstallFont: %s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Translations::install(app, {QStringLiteral("orvelgui"), QStringLiteral("orvelwinconfig")});
    CommandLine line(QStringLiteral("InstallFont"),
                     QCoreApplication::translate("InstallFont", "Installs the chart symbol font OWSym.ttf from the "
                                                                "program's folder for the current user."));
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString problem;
    if (!line.parse(arguments, problem) || !line.parser().positionalArguments().isEmpty()) {
        if (problem.isEmpty())
            problem = QCoreApplication::translate("InstallFont", "unknown argument '%1'").arg(line.parser().positionalArguments().front());
        std::fprintf(stderr, "InstallFont: %s\n", qPrintable(problem));
        return 2;
    }
    if (const QString reply = line.reply(); !reply.isEmpty()) {
        std::fputs(qPrintable(reply), stdout);
        return 0;
    }

    const QString source = QCoreApplication::applicationDirPath() + u'/' + ChartFonts::SymbolFile;
    const QString folder = SymbolFontInstaller::userFontFolder();
    if (!QDir().mkpath(folder)) {
        complain(QCoreApplication::translate("InstallFont", "can't create %1").arg(folder));
        return 1;
    }
    if (const Result<> copied = FileCopy::replace(source, folder + u'/' + ChartFonts::SymbolFile); !copied) {
        complain(QCoreApplication::translate("InstallFont", "can't copy %1: %2").arg(source, copied.message()));
        return 1;
    }
    QProcess::execute(QStringLiteral("fc-cache"), {folder}); // without fontconfig the copy alone serves
    return 0;
}
