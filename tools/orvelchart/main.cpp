#include "tools/orvelchart/OrvelChart.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

namespace {

// A command line tool prints only its own diagnostics: the off-screen platform's note
// about a missing runtime folder (usual for root and in containers) is not one of them.
QtMessageHandler defaultHandler = nullptr;

void withoutRuntimeFolderNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")))
        defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    std::unique_ptr<QCoreApplication> app;
    if (orvel::OrvelChart::paints(arguments)) {
        // Pictures are painted off screen, the same with or without a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        defaultHandler = qInstallMessageHandler(withoutRuntimeFolderNote);
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return orvel::OrvelChart().run(arguments);
}
