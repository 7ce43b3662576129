#include "tools/orvelchart/OrvelChart.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

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
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return orvel::OrvelChart().run(arguments);
}
