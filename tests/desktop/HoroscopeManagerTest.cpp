#include "DesktopFolders.h"

#include "desktop/DeviceLink.h"
#include "desktop/horoscopes/CHoroscopeManagerDlg.h"
#include "platform/Clock.h"
#include "gui/CHoroscopeDlg.h"
#include "storage/COrvelWinDoc.h"
#include "storage/HoroscopeFile.h"
#include "support/FailingFileWriter.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace orvel;

namespace {

const DateTime Now(2024, 3, 5, 14, 30, 0);

QString installFolder(const DesktopFolders &folders)
{
    return folders.device() + QStringLiteral("/Program Files/OrvelWin");
}

QString deviceFile(const DesktopFolders &folders)
{
    // The handheld program's own spelling; the manager asks for "\\Horoskop.xml".
    return installFolder(folders) + QStringLiteral("/horoskop.xml");
}

HoroscopeRecord named(const QString &name, const QString &city = {})
{
    HoroscopeRecord record = HoroscopeRecord::createDefault(Now);
    record.name = name;
    record.city = city;
    return record;
}

void storeOnDevice(DesktopFolders &folders, const std::vector<HoroscopeRecord> &records)
{
    QVERIFY(HoroscopeFile::save(deviceFile(folders), records).ok());
}

QStringList rows(const CHoroscopeManagerDlg &dialog)
{
    QStringList names;
    for (int i = 0; i < dialog.list()->topLevelItemCount(); ++i)
        names.append(dialog.list()->topLevelItem(i)->text(0));
    return names;
}

QStringList namesIn(const std::vector<HoroscopeRecord> &records)
{
    QStringList names;
    for (const HoroscopeRecord &r : records)
        names.append(r.name);
    return names;
}

QStringList namesInFile(const QString &path)
{
    const Result<std::vector<HoroscopeRecord>> records = HoroscopeFile::load(path, Now);
    if (!records)
        return {QStringLiteral("<unreadable>")};
    return namesIn(records.value());
}

// An editor that renames the record and sets its place, as OK in the edit dialog would.
CHoroscopeManagerDlg::Editor renaming(const QString &name, QStringList *countriesSeen = nullptr)
{
    return [=](HoroscopeRecord &record) {
        if (countriesSeen)
            countriesSeen->append(record.country);
        record.name = name;
        record.city = name + QStringLiteral(" City");
        record.country = QStringLiteral("Deutschland");
        return true;
    };
}

} // namespace

class HoroscopeManagerTest : public QObject {
    Q_OBJECT
private slots:
    void oneStoredHoroscopeGetsAFillerAndDeleteWaitsForAThird();
    void addPutsTheNewRecordFirstAndTheFormerFirstLast();
    void editAndDeleteRewriteTheWorkingCopy();
    void cancelledEditorChangesNothing();
    void aShortDateSkipsOnlyItsHoroscope();
    void damagedDeviceFileShowsItsReadableRecords_data();
    void damagedDeviceFileShowsItsReadableRecords();
    void exitStoresExactlyTheListShown_data();
    void exitStoresExactlyTheListShown();
    void enterDoesNothingAndButtonsFollowTheSelection();
    void failedFetchAsksBeforeExitReplacesTheDeviceFile_data();
    void failedFetchAsksBeforeExitReplacesTheDeviceFile();
    void deviceWithoutHoroscopeFileIsNoFailedFetch();
    void exportThenImportAppendsTheSameHoroscopes();
    void importOfAMissingFileChangesNothing();
    void failedExportKeepsTheOldFileAndSaysWhy();
    void importReportNamesEveryRecordWithAProblem();
    void importWithNothingTakenIsAFailure();
    void exportPathAddsTheSuffix_data();
    void exportPathAddsTheSuffix();
    void exportButtonAddsTheSuffixAndReportsSuccess();
    void desktopEditDialogVariant();
    void addedHoroscopeReachesTheHandheldProgram();
};

void HoroscopeManagerTest::oneStoredHoroscopeGetsAFillerAndDeleteWaitsForAThird()
{
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A"), QStringLiteral("Bern"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    dialog.load();
    QCOMPARE(rows(dialog), (QStringList{QStringLiteral("A"), QStringLiteral("(New horoscope)")}));
    QCOMPARE(dialog.list()->topLevelItem(0)->text(1), QStringLiteral("Bern"));
    QCOMPARE(dialog.list()->columnWidth(0), 160);
    QCOMPARE(dialog.list()->columnWidth(1), 240);

    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(0));
    dialog.remove();
    QVERIFY(folders.sink.questions.isEmpty());
    QCOMPARE(rows(dialog).size(), 2);
    QVERIFY(folders.sink.messages.isEmpty());
}

void HoroscopeManagerTest::addPutsTheNewRecordFirstAndTheFormerFirstLast()
{
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A")), named(QStringLiteral("B")), named(QStringLiteral("C"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    QStringList countriesSeen;
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now,
                                renaming(QStringLiteral("new"), &countriesSeen));
    dialog.load();
    dialog.add();
    const QStringList expected{QStringLiteral("new"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")};
    QCOMPARE(rows(dialog), expected);
    QCOMPARE(namesIn(dialog.records()), expected);
    QCOMPARE(namesInFile(dialog.workingCopy()), expected);

    QFile file(dialog.workingCopy());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument document;
    QVERIFY(document.setContent(&file));
    const QDomNodeList elements = document.elementsByTagName(QStringLiteral("Horoskop"));
    QCOMPARE(elements.size(), 4);
    for (int i = 0; i < elements.size(); ++i)
        QCOMPARE(elements.at(i).toElement().attribute(QStringLiteral("ID")), QString::number(i));

    // The country of the confirmed add presets the next new record.
    dialog.add();
    QCOMPARE(countriesSeen, (QStringList{QString(), QStringLiteral("Deutschland")}));
    QVERIFY(folders.sink.messages.isEmpty());
}

void HoroscopeManagerTest::editAndDeleteRewriteTheWorkingCopy()
{
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A")), named(QStringLiteral("B")), named(QStringLiteral("C"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now, renaming(QStringLiteral("B2")));
    dialog.load();
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
    dialog.edit();
    QCOMPARE(dialog.list()->topLevelItem(1)->text(1), QStringLiteral("B2 City"));
    QCOMPARE(namesInFile(dialog.workingCopy()), (QStringList{"A", "B2", "C"}));

    folders.sink.answer = false;
    dialog.remove();
    QCOMPARE(folders.sink.questions, QStringList{QStringLiteral("Delete?")});
    QCOMPARE(rows(dialog).size(), 3);
    folders.sink.answer = true;
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(0));
    dialog.remove();
    QCOMPARE(rows(dialog), (QStringList{"B2", "C"}));
    QCOMPARE(namesInFile(dialog.workingCopy()), (QStringList{"B2", "C"}));

    // Nothing reaches the handheld before Exit.
    QCOMPARE(namesInFile(deviceFile(folders)), (QStringList{"A", "B", "C"}));
    dialog.reject();
    QCOMPARE(namesInFile(deviceFile(folders)), (QStringList{"B2", "C"}));
}

void HoroscopeManagerTest::cancelledEditorChangesNothing()
{
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A")), named(QStringLiteral("B"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    // An editor that changes what it is given and is then cancelled.
    const auto cancelled = [](HoroscopeRecord &record) {
        record.name = QStringLiteral("typed, then cancelled");
        return false;
    };
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now, cancelled);
    dialog.load();
    const std::vector<HoroscopeRecord> before = dialog.records();
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
    dialog.edit();
    dialog.add();
    QCOMPARE(dialog.records(), before);
    QCOMPARE(rows(dialog), (QStringList{"A", "B"}));
    QVERIFY(!QFile::exists(folders.program() + u'/' + PlaceDatabase::LastCountryFileName));
}

void HoroscopeManagerTest::aShortDateSkipsOnlyItsHoroscope()
{
    DesktopFolders folders;
    const QByteArray onDevice = "<Orvel_Horoskop>"
                                "<Horoskop><Name>A</Name><Date>01.02.1990 10:00:00</Date></Horoskop>"
                                "<Horoskop><Name>Short</Name><Date>01.01.01 00:00:00</Date></Horoskop>"
                                "<Horoskop><Name>C</Name><Date>03.04.1991 11:00:00</Date></Horoskop>"
                                "<Horoskop><Name>D</Name><Date>05.06.1992 12:00:00</Date></Horoskop>"
                                "</Orvel_Horoskop>";
    DesktopFolders::writeFile(deviceFile(folders), onDevice);
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    dialog.load();
    QCOMPARE(rows(dialog), (QStringList{"A", "C", "D"}));
    QCOMPARE(dialog.records()[2].birth, DateTime(1992, 6, 5, 12, 0, 0));
    // The skipped record is named, and a list without it replaces nothing unasked.
    QCOMPARE(folders.sink.messages.size(), 1);
    QVERIFY2(folders.sink.messages[0].contains(QStringLiteral("\"Short\" at character ")),
             qPrintable(folders.sink.messages[0]));
    folders.sink.answer = false;
    dialog.reject();
    QCOMPARE(folders.sink.questions, QStringList{CHoroscopeManagerDlg::damagedQuestion(3)});
    QCOMPARE(DesktopFolders::readFile(deviceFile(folders)), onDevice);
}

void HoroscopeManagerTest::damagedDeviceFileShowsItsReadableRecords_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes stores the list shown") << true;
    QTest::newRow("No keeps the device's file") << false;
}

void HoroscopeManagerTest::damagedDeviceFileShowsItsReadableRecords()
{
    QFETCH(bool, answer);
    DesktopFolders folders;
    const QByteArray damaged = "<Orvel_Horoskop><Horoskop><Name>A</Name><Date>01.02.1990 10:00:00</Date></Horoskop>"
                               "<Horoskop><Name>B</Na";
    DesktopFolders::writeFile(deviceFile(folders), damaged);
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    dialog.load();
    QCOMPARE(rows(dialog), (QStringList{"A", "(New horoscope)"}));
    QCOMPARE(dialog.records()[0].birth, DateTime(1990, 2, 1, 10, 0, 0));
    const QString copy = dialog.workingCopy() + QStringLiteral(".damaged");
    QCOMPARE(DesktopFolders::readFile(copy), damaged);
    QCOMPARE(folders.sink.messages.size(), 1);
    const QString &message = folders.sink.messages[0];
    QVERIFY2(message.contains(QStringLiteral("damaged at character %1").arg(damaged.size())), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral(" 1 horoscopes could be read.")), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(copy)), qPrintable(message));

    folders.sink.answer = answer;
    dialog.reject();
    QCOMPARE(folders.sink.questions, QStringList{CHoroscopeManagerDlg::damagedQuestion(1)});
    QCOMPARE(folders.sink.questions[0], QStringLiteral("The device's horoscope file was damaged; 1 horoscopes could be "
                                                       "read. Replace it with this list?"));
    if (answer)
        QCOMPARE(namesInFile(deviceFile(folders)), rows(dialog));
    else
        QCOMPARE(DesktopFolders::readFile(deviceFile(folders)), damaged);
    QCOMPARE(DesktopFolders::readFile(copy), damaged);
}

void HoroscopeManagerTest::exitStoresExactlyTheListShown_data()
{
    QTest::addColumn<bool>("freshFileWritable");
    QTest::newRow("working copy blocked: a fresh file") << true;
    QTest::newRow("nothing writable: the device untouched") << false;
}

void HoroscopeManagerTest::exitStoresExactlyTheListShown()
{
    QFETCH(bool, freshFileWritable);
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A")), named(QStringLiteral("B"))});
    const QByteArray before = DesktopFolders::readFile(deviceFile(folders));
    DeviceLink device(folders.device(), folders.sink, 0);
    FailingFileWriter writer(false);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now, renaming(QStringLiteral("new")), nullptr,
                                writer);
    dialog.load();
    // A folder in the working copy's place: it cannot be rewritten.
    QVERIFY(QFile::remove(dialog.workingCopy()));
    QVERIFY(QDir().mkdir(dialog.workingCopy()));
    dialog.add();
    QCOMPARE(folders.sink.messages.size(), 1); // the working copy's file error
    folders.sink.messages.clear();
    writer.failing = !freshFileWritable;
    dialog.reject();
    if (freshFileWritable) {
        QVERIFY2(folders.sink.messages.isEmpty(), qPrintable(folders.sink.messages.join(u'\n')));
        QCOMPARE(namesInFile(deviceFile(folders)), (QStringList{"new", "B", "A"}));
    } else {
        QCOMPARE(folders.sink.messages.size(), 1);
        QVERIFY2(folders.sink.messages[0].startsWith(QStringLiteral("The changes could not be stored")),
                 qPrintable(folders.sink.messages[0]));
        QCOMPARE(DesktopFolders::readFile(deviceFile(folders)), before);
    }
}

void HoroscopeManagerTest::enterDoesNothingAndButtonsFollowTheSelection()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    dialog.load();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_VERIFY(!dialog.editButton()->isEnabled());
    QVERIFY(!dialog.deleteButton()->isEnabled());
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
    QTRY_VERIFY(dialog.editButton()->isEnabled());
    QVERIFY(dialog.deleteButton()->isEnabled());

    dialog.editButton()->setFocus();
    QTest::keyClick(dialog.editButton(), Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Enter);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape); // the close box: Exit
    QVERIFY(!dialog.isVisible());
}

void HoroscopeManagerTest::failedFetchAsksBeforeExitReplacesTheDeviceFile_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("onDevice");
    QTest::newRow("Yes stores") << true << QStringList{"new", "(New horoscope)", "Old"};
    QTest::newRow("No keeps the device's") << false << QStringList{"Handheld"};
}

void HoroscopeManagerTest::failedFetchAsksBeforeExitReplacesTheDeviceFile()
{
    QFETCH(bool, answer);
    QFETCH(QStringList, onDevice);
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("Handheld"))});
    QVERIFY(HoroscopeFile::save(folders.program() + QStringLiteral("/horoskop.xml"), {named(QStringLiteral("Old"))}).ok());
    const QString registry = folders.device() + QStringLiteral("/registry.reg");
    QVERIFY(QFile::rename(registry, registry + QStringLiteral(".away")));

    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now, renaming(QStringLiteral("new")));
    folders.sink.answer = false; // not connected
    dialog.load();
    QCOMPARE(rows(dialog), (QStringList{"Old", "(New horoscope)"}));
    dialog.add();

    QVERIFY(QFile::rename(registry + QStringLiteral(".away"), registry));
    folders.sink.questions.clear();
    folders.sink.answer = answer;
    dialog.reject();
    QCOMPARE(folders.sink.questions, QStringList{CHoroscopeManagerDlg::staleQuestion()});
    QCOMPARE(namesInFile(deviceFile(folders)), onDevice);
    QCOMPARE(namesInFile(dialog.workingCopy()), (QStringList{"new", "(New horoscope)", "Old"}));
}

void HoroscopeManagerTest::deviceWithoutHoroscopeFileIsNoFailedFetch()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now, renaming(QStringLiteral("new")));
    dialog.load();
    dialog.reject(); // nothing was written: nothing to store, no message
    QVERIFY(!QFile::exists(deviceFile(folders)));

    CHoroscopeManagerDlg again(folders.program(), device, folders.sink, Now, renaming(QStringLiteral("new")));
    again.load();
    again.add();
    again.reject();
    QVERIFY(folders.sink.questions.isEmpty());
    QVERIFY2(folders.sink.messages.isEmpty(), qPrintable(folders.sink.messages.join(u'\n')));
    QCOMPARE(namesInFile(deviceFile(folders)), (QStringList{"new", "(New horoscope)", "(New horoscope)"}));
}

void HoroscopeManagerTest::exportThenImportAppendsTheSameHoroscopes()
{
    DesktopFolders folders;
    HoroscopeRecord a = named(QStringLiteral("Anna Muster"), QStringLiteral("Bern"));
    a.latitude = QStringLiteral("46N57");
    a.longitude = QStringLiteral("7E26");
    a.deltaGmt = 1;
    storeOnDevice(folders, {a, named(QStringLiteral("Ben Beispiel"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    dialog.load();
    const QString aaf = folders.program() + QStringLiteral("/births.aaf");
    QVERIFY(dialog.exportFile(aaf));
    QVERIFY2(folders.sink.messages.last().startsWith(QStringLiteral("2 horoscopes exported.")),
             qPrintable(folders.sink.messages.last()));

    QVERIFY(dialog.importFile(aaf));
    QCOMPARE(rows(dialog), (QStringList{"Anna Muster", "Ben Beispiel", "Anna Muster", "Ben Beispiel"}));
    QCOMPARE(dialog.records()[2].birth, a.birth);
    QCOMPARE(namesInFile(dialog.workingCopy()), rows(dialog));
}

void HoroscopeManagerTest::importOfAMissingFileChangesNothing()
{
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A")), named(QStringLiteral("B"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    dialog.load();
    const QByteArray before = DesktopFolders::readFile(dialog.workingCopy());
    QVERIFY(!dialog.importFile(folders.program() + QStringLiteral("/none.aaf")));
    QCOMPARE(folders.sink.messages.size(), 1);
    QVERIFY(folders.sink.messages.first().contains(QStringLiteral("none.aaf")));
    QCOMPARE(rows(dialog), (QStringList{"A", "B"}));
    QCOMPARE(DesktopFolders::readFile(dialog.workingCopy()), before);
}

// A full disk during Export: the AAF file written before stays whole, and the one
// message names it.
void HoroscopeManagerTest::failedExportKeepsTheOldFileAndSaysWhy()
{
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A")), named(QStringLiteral("B"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    FailingFileWriter writer(false);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now, {}, nullptr, writer);
    dialog.load();
    const QString aaf = folders.program() + QStringLiteral("/births.aaf");
    DesktopFolders::writeFile(aaf, "an earlier export");
    folders.sink.messages.clear();
    writer.failing = true;
    QVERIFY(!dialog.exportFile(aaf));
    QCOMPARE(DesktopFolders::readFile(aaf), QByteArray("an earlier export"));
    QCOMPARE(folders.sink.messages.size(), 1);
    QVERIFY2(folders.sink.messages[0].contains(QDir::toNativeSeparators(aaf)), qPrintable(folders.sink.messages[0]));
    QCOMPARE(folders.sink.severities.value(0), MessageSink::Severity::Error);
}

void HoroscopeManagerTest::importReportNamesEveryRecordWithAProblem()
{
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A")), named(QStringLiteral("B"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    dialog.load();
    const QString aaf = folders.program() + QStringLiteral("/mixed.aaf");
    DesktopFolders::writeFile(aaf, "#B93:*,52n31,13e24,1he00,0\n"
                                   "#A93:Muster,Max,m,1.7.1980,*,Berlin,D\n#B93:*,52n31,13e24,1he00,0\n"
                                   "#A93:Kaputt,Karl,m,99.99.1980,12:00,Berlin,D\n");
    QVERIFY(dialog.importFile(aaf));
    QCOMPARE(folders.sink.messages.size(), 1);
    QCOMPARE(folders.sink.severities, QList{MessageSink::Severity::Information});
    const QStringList lines = folders.sink.messages.first().split(u'\n');
    QCOMPARE(lines.first(), QStringLiteral("1 horoscopes imported."));
    const qsizetype noted = lines.indexOf(QStringLiteral("Imported with notes:"));
    const qsizetype skipped = lines.indexOf(QStringLiteral("Skipped:"));
    QVERIFY2(noted > 0 && skipped > noted, qPrintable(lines.join(u'|')));
    // The taken record with a note, the refused one by its name, the nameless one by its place.
    QVERIFY2(lines[noted + 1].startsWith(QStringLiteral("Max Muster (record 2): ")), qPrintable(lines[noted + 1]));
    QStringList refused = lines.mid(skipped + 1);
    refused.sort();
    QCOMPARE(refused.size(), 2);
    QVERIFY2(refused[0].startsWith(QStringLiteral("Karl Kaputt (record 3): ")), qPrintable(refused[0]));
    QVERIFY2(refused[1].startsWith(QStringLiteral("Record 1 (no name): ")), qPrintable(refused[1]));
    for (const QString &line : lines)
        QVERIFY2(!line.startsWith(u' ') && !line.startsWith(u'('), qPrintable(line));
    QCOMPARE(rows(dialog), (QStringList{"A", "B", "Max Muster"}));
}

void HoroscopeManagerTest::importWithNothingTakenIsAFailure()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    dialog.load();
    const QString aaf = folders.program() + QStringLiteral("/bad.aaf");
    DesktopFolders::writeFile(aaf, "#A93:Kaputt,Karl,m,99.99.1980,12:00,Berlin,D\n");
    QVERIFY(!dialog.importFile(aaf));
    QCOMPARE(folders.sink.severities, QList{MessageSink::Severity::Error});
    QVERIFY2(folders.sink.messages.first().startsWith(QStringLiteral("0 horoscopes imported.\nSkipped:\nKarl Kaputt (record 1): ")),
             qPrintable(folders.sink.messages.first()));
}

void HoroscopeManagerTest::exportPathAddsTheSuffix_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no suffix") << "/tmp/births" << "/tmp/births.aaf";
    QTest::newRow("ends with a dot") << "/tmp/births." << "/tmp/births.aaf";
    QTest::newRow("with .aaf") << "/tmp/births.aaf" << "/tmp/births.aaf";
    QTest::newRow("another suffix stays") << "/tmp/births.txt" << "/tmp/births.txt";
    QTest::newRow("dot in a folder only") << "/tmp/v1.2/births" << "/tmp/v1.2/births.aaf";
}

void HoroscopeManagerTest::exportPathAddsTheSuffix()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(CHoroscopeManagerDlg::exportPath(chosen), written);
}

void HoroscopeManagerTest::exportButtonAddsTheSuffixAndReportsSuccess()
{
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A")), named(QStringLiteral("B")), named(QStringLiteral("C"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now);
    dialog.load();
    folders.sink.messages.clear();
    folders.sink.severities.clear();
    // Answers the file dialog with a name that has no suffix.
    QTimer::singleShot(0, this, [&] {
        auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(files);
        files->selectFile(folders.program() + QStringLiteral("/births"));
        QMetaObject::invokeMethod(files, "accept");
    });
    dialog.chooseExportFile();
    QVERIFY(QFileInfo::exists(folders.program() + QStringLiteral("/births.aaf")));
    QVERIFY(!QFileInfo::exists(folders.program() + QStringLiteral("/births")));
    QCOMPARE(folders.sink.messages, QStringList{QStringLiteral("3 horoscopes exported.")});
    QCOMPARE(folders.sink.severities, QList{MessageSink::Severity::Information});
}

void HoroscopeManagerTest::desktopEditDialogVariant()
{
    DesktopFolders folders;
    HoroscopeRecord record = named(QStringLiteral("A"));
    CHoroscopeDlg dialog(record, Now, CHoroscopeManagerDlg::editVariant(), folders.program() + QStringLiteral("/OrvelDB"),
                         folders.sink, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Horoscop"));
    int pictures = 0;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        pictures += !label->pixmap().isNull();
    QCOMPARE(pictures, 6);
}

void HoroscopeManagerTest::addedHoroscopeReachesTheHandheldProgram()
{
    DesktopFolders folders;
    storeOnDevice(folders, {named(QStringLiteral("A")), named(QStringLiteral("B"))});
    DeviceLink device(folders.device(), folders.sink, 0);
    {
        CHoroscopeManagerDlg dialog(folders.program(), device, folders.sink, Now, renaming(QStringLiteral("new")));
        dialog.load();
        dialog.add();
        dialog.reject();
    }
    Clock clock;
    clock.fix(Now);
    COrvelWinDoc document(clock, folders.sink, installFolder(folders), installFolder(folders));
    document.OnNewDocument();
    QCOMPARE(namesIn(document.horoscopes()), (QStringList{"new", "B", "A"}));
    QCOMPARE(document.horoscopes()[0].city, QStringLiteral("new City"));
}

QTEST_MAIN(HoroscopeManagerTest)
#include "HoroscopeManagerTest.moc"
