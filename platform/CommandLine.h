#pragma once

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace orvel {

// A program's command line, read before any application object exists, so that a wrong
// option never needs a display. Every program answers --help and --version alike.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine(const QString &program, const QString &description);

    QCommandLineParser &parser() { return m_parser; }
    const QCommandLineParser &parser() const { return m_parser; }

    // `arguments` without the program name. False with `problem` set to one line when
    // an option is unknown or lacks its value.
    bool parse(const QStringList &arguments, QString &problem);

    // The text to print instead of running: the usage for --help, the name and version
    // for --version; empty when the program is to run.
    QString reply() const;

    // --root DIR: the program folder, which every program takes.
    static QCommandLineOption rootOption();
    // --now "DD.MM.YYYY HH:MM:SS": the clock fixed at a moment, for the programs that chart.
    static QCommandLineOption nowOption();

private:
    QString m_program;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};

} // namespace orvel
