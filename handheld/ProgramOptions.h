#pragma once

#include "platform/DateTime.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvel {

// The handheld program's command line:
//   OrvelWin [--root DIR] [--now "DD.MM.YYYY HH:MM:SS"] [--scale N] [--quit-after-first-paint]
struct ProgramOptions {
    Q_DECLARE_TR_FUNCTIONS(ProgramOptions)

public:
    QString root;                 // program folder; empty: the executable's folder
    std::optional<DateTime> now;  // a fixed clock
    int scale = 2;                // starting window size: the 240 x 270 wheel, N times
    bool quitAfterFirstPaint = false; // for measuring the launch
    QString reply;                // printed instead of running: --help, --version

    // `arguments` without the program name. On a wrong argument returns nothing and
    // sets `problem` to one line saying what is wrong.
    static std::optional<ProgramOptions> parse(const QStringList &arguments, QString &problem);
};

} // namespace orvel
