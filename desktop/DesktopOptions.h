#pragma once

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvel {

// The desktop program's command line: OrvelWinConfig [--root DIR] [--device DIR] [--help] [--version]
struct DesktopOptions {
    QString root;   // program folder; empty: the executable's folder
    QString device; // device root as given; empty: see deviceRoot()
    QString reply;  // printed instead of running: --help, --version

    // `arguments` without the program name. On a wrong argument returns nothing and
    // sets `problem` to one line saying what is wrong.
    static std::optional<DesktopOptions> parse(const QStringList &arguments, QString &problem);

    // The device root: --device, else $ORVELWIN_DEVICE, else "Device" in the program folder.
    QString deviceRoot(const QString &programFolder, const QProcessEnvironment &environment) const;

    Q_DECLARE_TR_FUNCTIONS(DesktopOptions)
};

} // namespace orvel
