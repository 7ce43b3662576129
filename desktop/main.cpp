#include "desktop/CMainDlg.h"
#include "desktop/DesktopOptions.h"
#include "desktop/DeviceLink.h"
#include "platform/ProgramFolder.h"
#include "platform/gui/ChartFonts.h"
#include "platform/gui/DialogMessageSink.h"
#include "platform/gui/Translations.h"

#include <QApplication>
#include <cstdio>

using namespace orvel;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvelWinConfig"));
    Translations::install(app, {QStringLiteral("orvelgui"), QStringLiteral("orvelwinconfig"), QStringLiteral("tamrexlistctrl")});

    QString problem;
    const std::optional<DesktopOptions> options = DesktopOptions::parse(QApplication::arguments().mid(1), problem);
    if (!options) {
        std::fprintf(stderr, "OrvelWinConfig: %s\n", problem.toLocal8Bit().constData());
        return 2;
    }
    ProgramFolder::setOverride(options->root);
    const QString programFolder = ProgramFolder::path();
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
