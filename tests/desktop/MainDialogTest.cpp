#include "DesktopFolders.h"

#include "desktop/CMainDlg.h"
#include "desktop/DeviceLink.h"
#include "desktop/SymbolFontInstaller.h"
#include "render/ChartFonts.h"

#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

using namespace orvel;

class MainDialogTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsAndTitle();
    void countryChoiceWithoutCountryFileShowsTheErrorOnly();
    void fontInstallerStartsOnceThenTheCopiedFontIsUsed();
};

void MainDialogTest::buttonsAndTitle()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink);
    CMainDlg dialog(folders.program(), device, folders.sink);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("OrvelWin CE Configuration"));
    QStringList labels;
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        labels.append(button->text());
    labels.sort();
    QCOMPARE(labels, (QStringList{QStringLiteral("&About OrvelWinConfig..."), QStringLiteral("&Country choice"),
                                  QStringLiteral("&Horoscopes manager"), QStringLiteral("&Orvellogical configuration"),
                                  QStringLiteral("E&xit")}));
    QCOMPARE(dialog.findChild<QGroupBox *>()->title(), QStringLiteral("OrvelWin CE"));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape); // Exit without a question
    QVERIFY(!dialog.isVisible());
    QVERIFY(folders.sink.questions.isEmpty());
}

void MainDialogTest::countryChoiceWithoutCountryFileShowsTheErrorOnly()
{
    DesktopFolders folders;
    QVERIFY(QFile::remove(folders.program() + QStringLiteral("/OrvelDB/Country.txt")));
    DeviceLink device(folders.device(), folders.sink);
    CMainDlg dialog(folders.program(), device, folders.sink);
    dialog.countryButton()->click(); // returns: the country dialog is not shown
    QCOMPARE(folders.sink.messages.size(), 1);
    QVERIFY2(folders.sink.messages.first().contains(QStringLiteral("Country.txt")), qPrintable(folders.sink.messages.first()));
}

void MainDialogTest::fontInstallerStartsOnceThenTheCopiedFontIsUsed()
{
    if (ChartFonts::hasSymbolFont())
        QSKIP("OWSym is installed on this machine; the installer would not be started");
    QTemporaryDir fonts;
    const QString installer = fonts.path() + QStringLiteral("/install.sh");
    const QString counter = fonts.path() + QStringLiteral("/runs");
    // Stands in for InstallFont: counts its runs and copies the font a moment later.
    DesktopFolders::writeFile(installer, QStringLiteral("#!/bin/sh\necho run >> '%1'\nsleep 0.2\ncp '%2' '%3/'\n")
                                             .arg(counter, QStringLiteral(ORVEL_PROGRAM_DIR "/OWSym.ttf"), fonts.path())
                                             .toUtf8());
    QVERIFY(QFile::setPermissions(installer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    SymbolFontInstaller font(installer, fonts.path());
    QVERIFY(!font.check());
    QVERIFY(font.installerStarted());
    QTRY_VERIFY_WITH_TIMEOUT(font.check(), 5000);
    QCOMPARE(DesktopFolders::readFile(counter), QByteArray("run\n"));
}

QTEST_MAIN(MainDialogTest)
#include "MainDialogTest.moc"
