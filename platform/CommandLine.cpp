#include "platform/CommandLine.h"

#include <QRegularExpression>

namespace orvel {

CommandLine::CommandLine(const QString &program, const QString &description)
    : m_program(program), m_help({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help and exit.")),
      m_version({QStringLiteral("v"), QStringLiteral("version")}, tr("Show the version and exit."))
{
    m_parser.setApplicationDescription(description);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
}

bool CommandLine::parse(const QStringList &arguments, QString &problem)
{
    if (m_parser.parse(QStringList{m_program} + arguments))
        return true;
    problem = m_parser.errorText();
    return false;
}

QString CommandLine::reply() const
{
    if (m_parser.isSet(m_help)) {
        // The usage line ("Usage: PATH [options]" in the user's language) names the
        // program, not the path it was started by.
        QString text = m_parser.helpText();
        text.replace(QRegularExpression(QStringLiteral("^(\\S+: )\\S+")), QStringLiteral("\\1") + m_program);
        return text;
    }
    if (m_parser.isSet(m_version))
        return QStringLiteral("%1 %2\n").arg(m_program, QStringLiteral(ORVEL_VERSION));
    return {};
}

QCommandLineOption CommandLine::rootOption()
{
    return QCommandLineOption(QStringLiteral("root"),
                              tr("Use DIR as the program folder (default: the program's own folder)."),
                              QStringLiteral("DIR"));
}

QCommandLineOption CommandLine::nowOption()
{
    return QCommandLineOption(QStringLiteral("now"), tr("Run with the clock fixed at this moment."),
                              QStringLiteral("DD.MM.YYYY HH:MM:SS"));
}

} // namespace orvel
