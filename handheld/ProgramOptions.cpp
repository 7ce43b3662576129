#include "handheld/ProgramOptions.h"

namespace orvel {

std::optional<ProgramOptions> ProgramOptions::parse(const QStringList &arguments, QString &problem)
{
    ProgramOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments[i];
        if (option == QStringLiteral("--quit-after-first-paint")) {
            options.quitAfterFirstPaint = true;
            continue;
        }
        const bool takesValue = option == QStringLiteral("--root") || option == QStringLiteral("--now") ||
                                option == QStringLiteral("--scale");
        if (!takesValue) {
            problem = QStringLiteral("unknown option '%1'").arg(option);
            return std::nullopt;
        }
        if (++i >= arguments.size()) {
            problem = QStringLiteral("%1 needs a value").arg(option);
            return std::nullopt;
        }
        const QString &value = arguments[i];
        if (option == QStringLiteral("--root")) {
            options.root = value;
        } else if (option == QStringLiteral("--now")) {
            const DateTime now = DateTime::fromText(value);
            if (value.size() != 19 || !now.isValid()) {
                problem = QStringLiteral("--now: '%1' is not a date \"DD.MM.YYYY HH:MM:SS\"").arg(value);
                return std::nullopt;
            }
            options.now = now;
        } else {
            bool ok = false;
            options.scale = value.toInt(&ok);
            if (!ok || options.scale < 1 || options.scale > 8) {
                problem = QStringLiteral("--scale must be a number from 1 to 8, not '%1'").arg(value);
                return std::nullopt;
            }
        }
    }
    return options;
}

} // namespace orvel
