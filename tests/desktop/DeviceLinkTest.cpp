#include "DesktopFolders.h"

#include "desktop/DesktopOptions.h"
#include "desktop/DeviceLink.h"
#include "desktop/DevicePath.h"
#include "desktop/DeviceWorkingCopy.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTest>


using namespace orvel;

namespace {

// Answers Yes and makes the device appear when asked for the `appearAt`-th time.
class MountingSink : public RecordingMessageSink {
public:
    MountingSink(QString root, int appearAt) : m_root(std::move(root)), m_appearAt(appearAt) {}
    bool askYesNo(const QString &text) override
    {
        RecordingMessageSink::askYesNo(text);
        if (questions.size() == m_appearAt)
            DesktopFolders::writeFile(m_root + QStringLiteral("/registry.reg"), "REGEDIT4\n");
        return answer;
    }

private:
    QString m_root;
    int m_appearAt;
};

QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

} // namespace

class DeviceLinkTest : public QObject {
    Q_OBJECT
private slots:
    void connectsWhenTheDeviceAppearsWhileAsked();
    void noEndsTheConnectionTestSilently();
    void installFolderFromTheRegistry_data();
    void installFolderFromTheRegistry();
    void foldersAreMadeOnlyInsideAnExistingInstallFolder();
    void handheldPathsMatchAnyCase_data();
    void handheldPathsMatchAnyCase();
    void pathsLeavingTheDeviceAreRefused_data();
    void pathsLeavingTheDeviceAreRefused();
    void largeFilesCopyByteForByte();
    void missingDeviceFileLeavesThePcCopy();
    void failingWriteKeepsTheOldFile();
    void deletesOnlyPlaceFilesAndTables();
    void workingCopyFetchesAndStoresBack_data();
    void workingCopyFetchesAndStoresBack();
    void deviceRootFromOptions_data();
    void deviceRootFromOptions();
};

void DeviceLinkTest::connectsWhenTheDeviceAppearsWhileAsked()
{
    QTemporaryDir root;
    MountingSink sink(root.path(), 3);
    DeviceLink device(root.path(), sink, 5);
    QVERIFY(device.ConnectDevice());
    QCOMPARE(sink.questions, QStringList(3, QStringLiteral("Please connect your PDA to ActiveSync.")));
    QVERIFY(sink.messages.isEmpty());
}

void DeviceLinkTest::noEndsTheConnectionTestSilently()
{
    QTemporaryDir root;
    RecordingMessageSink sink;
    sink.answer = false;
    DeviceLink device(root.path() + QStringLiteral("/not-mounted"), sink, 5);
    QVERIFY(!device.ConnectDevice());
    QCOMPARE(sink.questions.size(), 1);
    QVERIFY(sink.messages.isEmpty());
}

void DeviceLinkTest::installFolderFromTheRegistry_data()
{
    QTest::addColumn<QByteArray>("registry");
    QTest::addColumn<QString>("installDir");
    QTest::addColumn<QString>("message");
    const QByteArray key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tamrex Solution + Jorin Falk OrvelWin CE]\r\n";
    const QString missing = QStringLiteral("No such file or directory");
    QTest::newRow("REGEDIT4") << QByteArray("REGEDIT4\r\n\r\n" + key + "\"InstallDir\"=\"\\\\Program Files\\\\OrvelWin\"\r\n")
                              << QStringLiteral("\\Program Files\\OrvelWin") << QString();
    const QString v5 = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[hkey_local_machine\\software\\apps\\"
                                      "Tamrex Solution + Jorin Falk OrvelWin CE]\r\n\"installdir\"=\"\\\\Speicher\\\\Orvel \\\"CE\\\"\"\r\n");
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char *>(v5.utf16()), v5.size() * 2);
    QTest::newRow("version 5, UTF-16, other case, quote escape") << utf16 << QStringLiteral("\\Speicher\\Orvel \"CE\"")
                                                                 << QString();
    QTest::newRow("value missing") << QByteArray("REGEDIT4\r\n" + key + "\"Version\"=\"1\"\r\n") << QString() << missing;
    QTest::newRow("key missing") << QByteArray("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\"InstallDir\"=\"\\\\x\"\r\n")
                                 << QString() << missing;
    QTest::newRow("not a registry export") << QByteArray(key + "\"InstallDir\"=\"\\\\x\"\r\n") << QString() << missing;
    QTest::newRow("no registry file") << QByteArray() << QString() << missing;
    QTest::newRow("install folder missing")
        << QByteArray("REGEDIT4\r\n" + key + "\"InstallDir\"=\"\\\\Program Files\\\\NoSuchFolder\"\r\n") << QString()
        << QStringLiteral("The install folder \\Program Files\\NoSuchFolder named in the device's registry does not exist.");
}

void DeviceLinkTest::installFolderFromTheRegistry()
{
    QFETCH(QByteArray, registry);
    QFETCH(QString, installDir);
    QFETCH(QString, message);
    QTemporaryDir root;
    if (!registry.isEmpty())
        DesktopFolders::writeFile(root.path() + QStringLiteral("/registry.reg"), registry);
    if (!installDir.isEmpty())
        QVERIFY(QDir().mkpath(root.path() + QString(installDir).replace(u'\\', u'/')));
    RecordingMessageSink sink;
    DeviceLink device(root.path(), sink);
    const Result<QString> found = device.GetDeviceInstallDir();
    QCOMPARE(found.value(), installDir);
    QCOMPARE(found.message(), message);
    QCOMPARE(found.ok(), message.isEmpty());
    QVERIFY(sink.messages.isEmpty());
}

void DeviceLinkTest::foldersAreMadeOnlyInsideAnExistingInstallFolder()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink);
    const QString pcFile = folders.program() + QStringLiteral("/Orte_D.txt");
    DesktopFolders::writeFile(pcFile, "places");
    QVERIFY(QDir(folders.deviceDatabase()).removeRecursively());
    QVERIFY(device.CopyFileToDevice(pcFile, QStringLiteral("\\Program Files\\OrvelWin\\OrvelDB\\Orte_D.txt")).ok());
    QCOMPARE(DesktopFolders::readFile(folders.deviceDatabase() + QStringLiteral("/Orte_D.txt")), QByteArray("places"));

    const Result<> elsewhere = device.CopyFileToDevice(pcFile, QStringLiteral("\\Program Files\\Elsewhere\\Orte_D.txt"));
    QCOMPARE(elsewhere.message(), QStringLiteral("The folder of \\Program Files\\Elsewhere\\Orte_D.txt does not exist on the device."));
    QVERIFY(!QFileInfo::exists(folders.device() + QStringLiteral("/Program Files/Elsewhere")));

    // A registry naming a folder that is not there: every tool is told, nothing is written.
    DesktopFolders::writeFile(folders.device() + QStringLiteral("/registry.reg"),
                              "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tamrex Solution + Jorin Falk OrvelWin CE]\r\n"
                              "\"InstallDir\"=\"\\\\Program Files\\\\NoSuchFolder\"\r\n");
    const QString named = QStringLiteral("The install folder \\Program Files\\NoSuchFolder named in the device's registry "
                                         "does not exist.");
    QCOMPARE(device.programPath(QStringLiteral("OrvelDB")).message(), named);
    QCOMPARE(device.CopyFileToDevice(pcFile, QStringLiteral("\\Program Files\\NoSuchFolder\\OrvelDB\\Orte_D.txt")).message(),
             named);
    QVERIFY(folders.sink.messages.isEmpty());
    QVERIFY(!QFileInfo::exists(folders.device() + QStringLiteral("/Program Files/NoSuchFolder")));
}

void DeviceLinkTest::handheldPathsMatchAnyCase_data()
{
    QTest::addColumn<QString>("handheldPath");
    QTest::addColumn<QString>("local");
    QTest::newRow("existing file in other case") << QStringLiteral("\\PROGRAM FILES\\orvelwin\\HOROSKOP.XML")
                                                 << QStringLiteral("/Program Files/OrvelWin/Horoskop.xml");
    QTest::newRow("new settings file") << QStringLiteral("\\Program Files\\OrvelWin\\Orvel.XML")
                                       << QStringLiteral("/Program Files/OrvelWin/orvel.xml");
    QTest::newRow("new database folder and file") << QStringLiteral("\\program files\\OrvelWin\\ORVELDB\\Orte_D.txt")
                                                  << QStringLiteral("/Program Files/OrvelWin/OrvelDB/Orte_D.txt");
    QTest::newRow("forward slashes and dots") << QStringLiteral("/Program Files/./OrvelWin//horoskop.xml")
                                              << QStringLiteral("/Program Files/OrvelWin/Horoskop.xml");
}

void DeviceLinkTest::handheldPathsMatchAnyCase()
{
    QFETCH(QString, handheldPath);
    QFETCH(QString, local);
    QTemporaryDir root;
    DesktopFolders::writeFile(root.path() + QStringLiteral("/Program Files/OrvelWin/Horoskop.xml"), "x");
    const QString canonicalRoot = QFileInfo(root.path()).canonicalFilePath();
    QCOMPARE(DevicePath::resolve(root.path(), handheldPath).value_or(QStringLiteral("<refused>")), canonicalRoot + local);
}

void DeviceLinkTest::pathsLeavingTheDeviceAreRefused_data()
{
    QTest::addColumn<QString>("handheldPath");
    QTest::newRow("parent") << QStringLiteral("\\..\\outside.txt");
    QTest::newRow("parent after a folder") << QStringLiteral("\\Program Files\\..\\..\\outside.txt");
    QTest::newRow("drive") << QStringLiteral("C:\\Windows\\win.ini");
    QTest::newRow("link out of the root") << QStringLiteral("\\escape\\outside.txt");
    QTest::newRow("file linked out of the root") << QStringLiteral("\\LINKED.TXT");
}

void DeviceLinkTest::pathsLeavingTheDeviceAreRefused()
{
    QFETCH(QString, handheldPath);
    QTemporaryDir outside;
    QTemporaryDir root;
    DesktopFolders::writeFile(outside.path() + QStringLiteral("/outside.txt"), "secret");
    QVERIFY(QFile::link(outside.path(), root.path() + QStringLiteral("/escape")));
    QVERIFY(QFile::link(outside.path() + QStringLiteral("/outside.txt"), root.path() + QStringLiteral("/linked.txt")));
    QVERIFY(!DevicePath::resolve(root.path(), handheldPath));

    DesktopFolders::writeFile(root.path() + QStringLiteral("/registry.reg"), "REGEDIT4\n");
    RecordingMessageSink sink;
    DeviceLink device(root.path(), sink);
    const Result<> copied = device.CopyFileToDevice(root.path() + QStringLiteral("/registry.reg"), handheldPath);
    QCOMPARE(DesktopFolders::readFile(outside.path() + QStringLiteral("/outside.txt")), QByteArray("secret"));
    QVERIFY(!copied);
    QVERIFY2(copied.message().contains(handheldPath), qPrintable(copied.message()));
}

void DeviceLinkTest::largeFilesCopyByteForByte()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink);
    const QByteArray bytes = pattern(200 * 1024 + 13);
    const QString pcFile = folders.program() + QStringLiteral("/horoskop.xml");
    DesktopFolders::writeFile(pcFile, bytes);
    QVERIFY(device.CopyFileToDevice(pcFile, QStringLiteral("\\Program Files\\OrvelWin\\Horoskop.xml")).ok());
    const QString deviceFile = folders.device() + QStringLiteral("/Program Files/OrvelWin/horoskop.xml");
    QCOMPARE(DesktopFolders::readFile(deviceFile), bytes);

    DesktopFolders::writeFile(pcFile, "older working copy");
    QVERIFY(device.CopyFileFromDevice(QStringLiteral("\\program files\\orvelwin\\HOROSKOP.xml"), pcFile).ok());
    QCOMPARE(DesktopFolders::readFile(pcFile), bytes);
    QVERIFY(folders.sink.messages.isEmpty());
    QCOMPARE(DesktopFolders::filesIn(QFileInfo(deviceFile).path()), QStringList{QStringLiteral("horoskop.xml")});
}

void DeviceLinkTest::missingDeviceFileLeavesThePcCopy()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink);
    const QString pcFile = folders.program() + QStringLiteral("/orvel.xml");
    DesktopFolders::writeFile(pcFile, "working copy");
    const Result<> fetched = device.CopyFileFromDevice(QStringLiteral("\\Program Files\\OrvelWin\\orvel.xml"), pcFile);
    QCOMPARE(fetched.status(), ResultStatus::Missing);
    QCOMPARE(DesktopFolders::readFile(pcFile), QByteArray("working copy"));
    QVERIFY(fetched.message().isEmpty());
}

void DeviceLinkTest::failingWriteKeepsTheOldFile()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink);
    const QString pcFile = folders.program() + QStringLiteral("/big.txt");
    DesktopFolders::writeFile(pcFile, pattern(256 * 1024));
    DesktopFolders::writeFile(folders.deviceDatabase() + QStringLiteral("/Orte_D.txt"), "old places");
    Result<> copied;
    {
        FileSizeLimit limit(64 * 1024);
        copied = device.CopyFileToDevice(pcFile, QStringLiteral("\\Program Files\\OrvelWin\\OrvelDB\\Orte_D.txt"));
    }
    QCOMPARE(DesktopFolders::readFile(folders.deviceDatabase() + QStringLiteral("/Orte_D.txt")), QByteArray("old places"));
    QCOMPARE(DesktopFolders::filesIn(folders.deviceDatabase()), QStringList{QStringLiteral("Orte_D.txt")});
    QCOMPARE(copied.message(), QStringLiteral("An error occurred while accessing %1: File too large.")
                                   .arg(QDir::toNativeSeparators(folders.deviceDatabase() + QStringLiteral("/Orte_D.txt"))));
}

void DeviceLinkTest::workingCopyFetchesAndStoresBack_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("onDevice");
    QTest::addColumn<int>("fetched");
    QTest::newRow("on the device") << true << true << int(DeviceWorkingCopy::Fetched::Copied);
    QTest::newRow("not on the device") << true << false << int(DeviceWorkingCopy::Fetched::Missing);
    QTest::newRow("device not connected") << false << true << int(DeviceWorkingCopy::Fetched::Failed);
}

void DeviceLinkTest::workingCopyFetchesAndStoresBack()
{
    QFETCH(bool, connected);
    QFETCH(bool, onDevice);
    QFETCH(int, fetched);
    DesktopFolders folders;
    const QString deviceFile = folders.device() + QStringLiteral("/Program Files/OrvelWin/orvel.xml");
    if (onDevice)
        DesktopFolders::writeFile(deviceFile, "from the device");
    if (!connected)
        QVERIFY(QFile::remove(folders.device() + u'/' + DeviceLink::RegistryFileName));
    folders.sink.answer = false; // no second attempt to connect
    const QString pcFile = folders.program() + QStringLiteral("/orvel.xml");
    DesktopFolders::writeFile(pcFile, "on the PC");
    DeviceLink device(folders.device(), folders.sink, 0);
    DeviceWorkingCopy copy(device, folders.sink, QStringLiteral("orvel.xml"), pcFile);
    QCOMPARE(copy.path(), pcFile);

    QCOMPARE(int(copy.fetch()), fetched);
    const bool copied = fetched == int(DeviceWorkingCopy::Fetched::Copied);
    QCOMPARE(DesktopFolders::readFile(pcFile), QByteArray(copied ? "from the device" : "on the PC"));
    QVERIFY2(folders.sink.messages.isEmpty(), qPrintable(folders.sink.messages.join(u'\n')));
    QCOMPARE(folders.sink.questions.size(), connected ? 0 : 1);

    DesktopFolders::writeFile(pcFile, "edited on the PC");
    QCOMPARE(copy.store(pcFile), connected);
    if (connected)
        QCOMPARE(DesktopFolders::readFile(deviceFile), QByteArray("edited on the PC"));
    else
        QCOMPARE(DesktopFolders::readFile(deviceFile), QByteArray("from the device"));
}

void DeviceLinkTest::deletesOnlyPlaceFilesAndTables()
{
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink);
    for (const char *name : {"Orte_D.txt", "Ttable_USTX.txt", "Country.txt", "Zones.txt", "notes_txt"})
        DesktopFolders::writeFile(folders.deviceDatabase() + u'/' + QLatin1String(name), "x");
    QVERIFY(QDir().mkpath(folders.deviceDatabase() + QStringLiteral("/Old_Files.d")));
    QVERIFY(device.DeletePlaceFiles(QStringLiteral("\\Program Files\\OrvelWin\\OrvelDB")).ok());
    QCOMPARE(DesktopFolders::filesIn(folders.deviceDatabase()),
             (QStringList{QStringLiteral("Country.txt"), QStringLiteral("Zones.txt"), QStringLiteral("notes_txt")}));
    QVERIFY(QFileInfo(folders.deviceDatabase() + QStringLiteral("/Old_Files.d")).isDir());
    QVERIFY(device.DeletePlaceFiles(QStringLiteral("\\Program Files\\Elsewhere\\OrvelDB")).ok());
    QVERIFY(folders.sink.messages.isEmpty());
}

void DeviceLinkTest::deviceRootFromOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("deviceRoot");
    QTest::newRow("option wins") << QStringList{QStringLiteral("--device"), QStringLiteral("/mnt/pda")}
                                 << QStringLiteral("/media/card") << QStringLiteral("/mnt/pda");
    QTest::newRow("environment") << QStringList{QStringLiteral("--root"), QStringLiteral("/opt/owc")}
                                 << QStringLiteral("/media/card") << QStringLiteral("/media/card");
    QTest::newRow("beside the program") << QStringList{QStringLiteral("--root"), QStringLiteral("/opt/owc")} << QString()
                                        << QStringLiteral("/opt/owc/Device");
    QTest::newRow("option without folder") << QStringList{QStringLiteral("--device")} << QString() << QString();
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--scale"), QStringLiteral("2")} << QString() << QString();
}

void DeviceLinkTest::deviceRootFromOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(QString, deviceRoot);
    QString problem;
    const std::optional<DesktopOptions> options = DesktopOptions::parse(arguments, problem);
    QCOMPARE(options.has_value(), !deviceRoot.isEmpty());
    QCOMPARE(problem.isEmpty(), options.has_value());
    if (!options)
        return;
    QProcessEnvironment env;
    if (!environment.isEmpty())
        env.insert(QStringLiteral("ORVELWIN_DEVICE"), environment);
    QCOMPARE(options->deviceRoot(options->root, env), deviceRoot);
}

QTEST_MAIN(DeviceLinkTest)
#include "DeviceLinkTest.moc"
