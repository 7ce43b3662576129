#include "handheld/ProgramOptions.h"

#include "platform/CommandLine.h"

namespace orvel {

std::optional<ProgramOptions> ProgramOptions::parse(const QStringList &arguments, QString &problem)
{
    CommandLine line(QStringLiteral("OrvelWin"), tr("Computes and draws horoscope charts."));
    const QCommandLineOption root = CommandLine::rootOption();
    const QCommandLineOption now = CommandLine::nowOption();
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   tr("Open the window at N times the 240 x 270 wheel, N from 1 to 8 (default 2)."),
                                   QStringLiteral("N"), QStringLiteral("2"));
    const QCommandLineOption quit(QStringLiteral("quit-after-first-paint"),
                                  tr("Quit once the wheel is first painted (to time the start)."));
    line.parser().addOptions({root, now, scale, quit});
    if (!line.parse(arguments, problem))
        return std::nullopt;
    const QCommandLineParser &parser = line.parser();
    if (!parser.positionalArguments().isEmpty()) {
        problem = tr("unknown argument '%1'").arg(parser.positionalArguments().front());
        return std::nullopt;
    }

    ProgramOptions options;
    options.reply = line.reply();
    options.root = parser.value(root);
    options.quitAfterFirstPaint = parser.isSet(quit);
    if (parser.isSet(now)) {
        const QString value = parser.value(now);
        const DateTime moment = DateTime::fromText(value);
        if (value.size() != 19 || !moment.isValid()) {
            problem = tr("--now: '%1' is not a date \"DD.MM.YYYY HH:MM:SS\"").arg(value);
            return std::nullopt;
        }
        options.now = moment;
    }
    bool ok = false;
    options.scale = parser.value(scale).toInt(&ok);
    if (!ok || options.scale < 1 || options.scale > 8) {
        problem = tr("--scale must be a number from 1 to 8, not '%1'").arg(parser.value(scale));
        return std::nullopt;
    }
    return options;
}

} // namespace orvel
