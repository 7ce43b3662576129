#pragma once

#include <QStringList>

namespace orvel {

// The headless front end: runs the handheld document's start-up in a program folder,
// then one command, and prints its result as JSON on standard output.
//
//   orvelchart [--root DIR] [--now "DD.MM.YYYY HH:MM:SS"] COMMAND [ARGS]
//
// Exit status 0 on success, 1 when a place or time-zone lookup fails, 2 for a wrong
// command or argument.
class OrvelChart {
public:
    // `arguments` without the program name. Painting commands need a QGuiApplication.
    int run(QStringList arguments);

    // Whether the command in `arguments` paints pictures.
    static bool paints(const QStringList &arguments);
};

} // namespace orvel
