#include "desktop/CMainDlg.h"
#include "desktop/DesktopOptions.h"
#include "desktop/DeviceLink.h"
#include "desktop/UserProgramFolder.h"
#include "platform/ProgramFolder.h"
#include "render/ChartFonts.h"
#include "gui/DialogMessageSink.h"
#include "gui/Translations.h"

#include <QApplication>
#include <cstdio>

using namespace orvel;

int main(int argc, char *argv[])
{
    // Options are checked before the windows start: a wrong one needs no display, nor do --help
    // and --version.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString problem;
    const QStringList catalogues{QStringLiteral("orvelgui"), QStringLiteral("orvelwinconfig"), QStringLiteral("tamrexlistctrl")};
    const std::optional<DesktopOptions> options =
        Translations::beforeApplication(argc, argv, catalogues, [&] { return DesktopOptions::parse(arguments, problem); });
    if (!options) {
        std::fprintf(stderr, "OrvelWinConfig: %s\n", problem.toLocal8Bit().constData());
        return 2;
    }
    if (!options->reply.isEmpty()) {
        std::fputs(options->reply.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvelWinConfig"));
    QApplication::setDesktopFileName(QStringLiteral("orvelwinconfig"));
    Translations::install(app, catalogues);
    const QString programFolder = UserProgramFolder::choose(ProgramFolder::resolve(options->root));
    ChartFonts::registerSymbolFont(programFolder);

    DialogMessageSink ui(QStringLiteral("OrvelWinConfig"));
    DeviceLink device(options->deviceRoot(programFolder, QProcessEnvironment::systemEnvironment()), ui);
    if (!device.ConnectDevice())
        return 1;

    CMainDlg dialog(programFolder, device, ui);
    ui.setOwner(&dialog);
    dialog.exec();
    return 0;
}
