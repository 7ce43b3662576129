#include "desktop/DesktopOptions.h"

#include "platform/CommandLine.h"

namespace orvel {

std::optional<DesktopOptions> DesktopOptions::parse(const QStringList &arguments, QString &problem)
{
    CommandLine line(QStringLiteral("OrvelWinConfig"),
                     tr("Chooses the countries, horoscopes and settings of the handheld program on a device."));
    const QCommandLineOption root = CommandLine::rootOption();
    const QCommandLineOption device(QStringLiteral("device"),
                                    tr("The device's folder (default: $ORVELWIN_DEVICE, else Device in the "
                                        "program folder or, when that is read-only, in the user's data folder)."),
                                    QStringLiteral("DIR"));
    line.parser().addOptions({root, device});
    if (!line.parse(arguments, problem))
        return std::nullopt;
    const QCommandLineParser &parser = line.parser();
    if (!parser.positionalArguments().isEmpty()) {
        problem = tr("unknown argument %1 (usage: OrvelWinConfig [--root DIR] [--device DIR])")
                      .arg(parser.positionalArguments().front());
        return std::nullopt;
    }
    for (const QCommandLineOption *folder : {&root, &device}) {
        if (parser.isSet(*folder) && parser.value(*folder).isEmpty()) {
            problem = tr("--%1 needs a folder").arg(folder->names().front());
            return std::nullopt;
        }
    }
    DesktopOptions options;
    options.root = parser.value(root);
    options.device = parser.value(device);
    options.reply = line.reply();
    return options;
}

QString DesktopOptions::deviceRoot(const QString &programFolder, const QProcessEnvironment &environment) const
{
    if (!device.isEmpty())
        return device;
    const QString fromEnvironment = environment.value(QStringLiteral("ORVELWIN_DEVICE"));
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return programFolder + QStringLiteral("/Device");
}

} // namespace orvel
