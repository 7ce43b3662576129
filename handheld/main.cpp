#include "handheld/CMainFrame.h"
#include "handheld/COrvelWinView.h"
#include "handheld/LaterMessageSink.h"
#include "session/Session.h"
#include "handheld/ProgramOptions.h"
#include "handheld/ScaleChoice.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/UserDataFolder.h"
#include "render/ChartFonts.h"
#include "gui/DialogMessageSink.h"
#include "gui/InputMethodPanel.h"
#include "gui/ProgramFont.h"
#include "gui/Translations.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>

using namespace orvel;

int main(int argc, char *argv[])
{
    // Options are checked before the windows start, so that a wrong one gets exactly one line and
    // --help and --version need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString problem;
    const QStringList catalogues{QStringLiteral("orvelgui"), QStringLiteral("orvelrender"), QStringLiteral("orvelwin")};
    const std::optional<ProgramOptions> options =
        Translations::beforeApplication(argc, argv, catalogues, [&] { return ProgramOptions::parse(arguments, problem); });
    if (!options) {
        std::fprintf(stderr, "OrvelWin: %s\n", problem.toLocal8Bit().constData());
        return 2;
    }
    if (!options->reply.isEmpty()) {
        std::fputs(options->reply.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvelWin"));
    QApplication::setDesktopFileName(QStringLiteral("orvelwin"));
    Translations::install(app, catalogues);
    const QString programFolder = ProgramFolder::resolve(options->root);
    ChartFonts::registerSymbolFont(programFolder);

    int scale = options->scale;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableGeometry().size();
        scale = ScaleChoice::largestFitting(options->scale, available, &CMainFrame::windowSize);
        if (const QString notice = ScaleChoice::notice(options->scale, scale, available); !notice.isEmpty())
            std::fprintf(stderr, "OrvelWin: %s\n", notice.toLocal8Bit().constData());
    }
    ProgramFont::set(scale);

    Clock clock;
    if (options->now)
        clock.fix(*options->now);
    DialogMessageSink ui(QStringLiteral("OrvelWin CE"));
    InputMethodPanel panel;
    LaterMessageSink notices(ui); // the built-in ephemeris is named over the painted chart
    Session session(clock, ui, notices, programFolder, UserDataFolder::choose(programFolder));
    CMainFrame frame(session, ui, panel, scale);
    ui.setOwner(&frame);
    if (options->quitAfterFirstPaint)
        QObject::connect(frame.view(), &COrvelWinView::firstPainted, &app, &QApplication::quit, Qt::QueuedConnection);
    frame.resize(frame.sizeHint()); // the whole wheel at the chosen scale, even on small screens
    frame.show();
    return QApplication::exec();
}
