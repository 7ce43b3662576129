#include "tools/orvelchart/OrvelChart.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return orvel::OrvelChart().run(arguments);
}
