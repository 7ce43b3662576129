// The programs' command lines speak the user's language before any window exists:
// --help and a wrong option in German for a German user, in English otherwise, and the
// usage line names the program in both.
#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    QString out;
    QString err;
    int status = -1;
};

Run run(const QString &program, const QStringList &arguments, const QString &language)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    environment.insert(QStringLiteral("LANG"), language == u"de" ? QStringLiteral("de_DE.UTF-8") : QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // --help must not need a display
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError()),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}

} // namespace

class GermanCommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void help_data();
    void help();
    void wrongOption_data();
    void wrongOption();
};

void GermanCommandLineTest::help_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QStringList>("texts");
    const QString orvelWin = QStringLiteral(ORVELWIN_BINARY);
    const QString config = QStringLiteral(ORVELWINCONFIG_BINARY);
    const QString installFont = QStringLiteral(INSTALLFONT_BINARY);
    QTest::newRow("OrvelWin de") << orvelWin << "de" << "OrvelWin"
                                 << QStringList{"Berechnet und zeichnet Horoskope.", "Diese Hilfe zeigen und beenden.",
                                                "DIR als Programmordner verwenden", "N von 1 bis 8"};
    QTest::newRow("OrvelWin en") << orvelWin << "en" << "OrvelWin"
                                 << QStringList{"Computes and draws horoscope charts.", "Show this help and exit.",
                                                "Use DIR as the program folder", "N from 1 to 8"};
    QTest::newRow("OrvelWinConfig de") << config << "de" << "OrvelWinConfig"
                                       << QStringList{"Wählt die Länder, Horoskope und Einstellungen",
                                                      "Die Version zeigen und beenden.", "Der Ordner des Geräts"};
    QTest::newRow("OrvelWinConfig en") << config << "en" << "OrvelWinConfig"
                                       << QStringList{"Chooses the countries", "Show the version and exit.",
                                                      "The device's folder"};
    QTest::newRow("InstallFont de") << installFont << "de" << "InstallFont"
                                    << QStringList{"Installiert die Symbolschrift OWSym.ttf", "Diese Hilfe zeigen"};
    QTest::newRow("InstallFont en") << installFont << "en" << "InstallFont"
                                    << QStringList{"Installs the chart symbol font OWSym.ttf", "Show this help"};
}

void GermanCommandLineTest::help()
{
    QFETCH(QString, program);
    QFETCH(QString, language);
    QFETCH(QString, usage);
    QFETCH(QStringList, texts);
    const Run result = run(program, {QStringLiteral("--help")}, language);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    // "Usage: OrvelWin [options]" or "Aufruf: OrvelWin [Optionen]": the program, not its path.
    const QString first = result.out.section(u'\n', 0, 0);
    QCOMPARE(first.section(u' ', 1, 1), usage);
    QVERIFY2(first.startsWith(language == u"de" ? u"Aufruf: " : u"Usage: "), qPrintable(first));
    for (const QString &text : texts)
        QVERIFY2(result.out.contains(text), qPrintable(text + QStringLiteral(" not in:\n") + result.out));
}

void GermanCommandLineTest::wrongOption_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    const QString orvelWin = QStringLiteral(ORVELWIN_BINARY);
    QTest::newRow("scale de") << orvelWin << QStringList{"--scale", "9"} << "de"
                              << "OrvelWin: --scale muss eine Zahl von 1 bis 8 sein, nicht „9“\n";
    QTest::newRow("scale en") << orvelWin << QStringList{"--scale", "9"} << "en"
                              << "OrvelWin: --scale must be a number from 1 to 8, not '9'\n";
    QTest::newRow("now de") << orvelWin << QStringList{"--now", "31.02.2000 10:00:00"} << "de"
                            << "OrvelWin: --now: „31.02.2000 10:00:00“ ist kein Datum „DD.MM.YYYY HH:MM:SS“\n";
    QTest::newRow("argument de") << orvelWin << QStringList{"extra"} << "de" << "OrvelWin: unbekanntes Argument „extra“\n";
}

void GermanCommandLineTest::wrongOption()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(QString, message);
    const Run result = run(program, arguments, language);
    QCOMPARE(result.status, 2);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.err, message);
}

QTEST_GUILESS_MAIN(GermanCommandLineTest)
#include "GermanCommandLineTest.moc"
