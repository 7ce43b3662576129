#include "desktop/DesktopOptions.h"

namespace orvel {

std::optional<DesktopOptions> DesktopOptions::parse(const QStringList &arguments, QString &problem)
{
    DesktopOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        QString *target = argument == u"--root" ? &options.root : argument == u"--device" ? &options.device : nullptr;
        if (!target) {
            problem = tr("unknown argument %1 (usage: OrvelWinConfig [--root DIR] [--device DIR])").arg(argument);
            return std::nullopt;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
            problem = tr("%1 needs a folder").arg(argument);
            return std::nullopt;
        }
        *target = arguments[++i];
    }
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
