#include "DesktopFolders.h"

#include "desktop/CCountryDlg.h"
#include "desktop/CountryChoice.h"
#include "desktop/DeviceLink.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace orvel;

namespace {

const QStringList Countries = {
    QStringLiteral("D\tGermany"),  QStringLiteral("A\t\u00D6sterreich"), QStringLiteral("OM\tOman"),
    QStringLiteral("CI\tC\u00F4te d'Ivoire"), QStringLiteral("CU\tCuba"), QStringLiteral("RCH\tChile"),
    QStringLiteral("F\tFrance"),   QStringLiteral("I\tItaly"),         QStringLiteral("E\tSpain"),
    QStringLiteral("USTX\tUSA - Texas"), QStringLiteral("USNY\tUSA - New York")};

QStringList texts(const QTreeWidget *list)
{
    QStringList names;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        names.append(list->topLevelItem(row)->text(0));
    return names;
}

// A country choice over temporary folders, with its dialog opened on them.
struct ChoiceScene {
    ChoiceScene() : device(folders.device(), folders.sink, 5), choice(folders.program(), device, folders.sink) {}

    DesktopFolders folders{Countries};
    DeviceLink device;
    CountryChoice choice;
};

} // namespace

class CountryChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void listKeys_data();
    void listKeys();
    void listsOpenSortedWithTheMirroredChoice();
    void chosenCountriesWithoutAMirrorComeFromTheDevice_data();
    void chosenCountriesWithoutAMirrorComeFromTheDevice();
    void longNamesHaveTheirWholeTextAsTooltip();
    void movesThreeSelectedItems();
    void moveButtonsFollowTheSelection();
    void saveWithNothingChosenEmptiesTheDevice();
    void saveOfAUsStateCopiesItsExtraTables();
    void saveStopsAndStaysOpenOnAMissingFile();
    void saveRefusesACodeThatNamesAFileElsewhere();
};

void CountryChoiceTest::listKeys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("\u00D6 as OE, before Oman") << QStringLiteral("\u00D6sterreich") << QStringLiteral("Oman");
    QTest::newRow("\u00FC as UE, before Uganda") << QStringLiteral("\u00FCberall") << QStringLiteral("Uganda");
    QTest::newRow("\u00C4 as AE, before Afghanistan") << QStringLiteral("\u00C4gypten") << QStringLiteral("Afghanistan");
    QTest::newRow("\u00F4 folded among the C's") << QStringLiteral("Chile") << QStringLiteral("C\u00F4te d'Ivoire");
    QTest::newRow("folded \u00F4 before Cuba") << QStringLiteral("C\u00F4te d'Ivoire") << QStringLiteral("Cuba");
    QTest::newRow("case ignored") << QStringLiteral("alpha") << QStringLiteral("Beta");
}

void CountryChoiceTest::listKeys()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QVERIFY2(CountryChoice::listKey(before) < CountryChoice::listKey(after),
             qPrintable(CountryChoice::listKey(before) + QStringLiteral(" / ") + CountryChoice::listKey(after)));
}

void CountryChoiceTest::listsOpenSortedWithTheMirroredChoice()
{
    ChoiceScene scene;
    DesktopFolders::writeFile(scene.folders.program() + QStringLiteral("/SelOrvelDB/Orte_I.txt"), "x");
    DesktopFolders::writeFile(scene.folders.program() + QStringLiteral("/SelOrvelDB/Orte_A.txt"), "x");
    DesktopFolders::writeFile(scene.folders.program() + QStringLiteral("/SelOrvelDB/Ttable_D.txt"), "x");
    CCountryDlg dialog(scene.choice, scene.folders.sink, scene.folders.program());
    QVERIFY(dialog.load());
    QCOMPARE(texts(dialog.rightList()), (QStringList{QStringLiteral("Italy"), QStringLiteral("\u00D6sterreich")}));
    QCOMPARE(texts(dialog.leftList()),
             (QStringList{QStringLiteral("Chile"), QStringLiteral("C\u00F4te d'Ivoire"), QStringLiteral("Cuba"),
                          QStringLiteral("France"), QStringLiteral("Germany"), QStringLiteral("Oman"),
                          QStringLiteral("Spain"), QStringLiteral("USA - New York"), QStringLiteral("USA - Texas")}));
    QVERIFY(scene.folders.sink.messages.isEmpty());
}

void CountryChoiceTest::chosenCountriesWithoutAMirrorComeFromTheDevice_data()
{
    QTest::addColumn<QStringList>("mirror"); // files of SelOrvelDB; "-": no mirror folder
    QTest::addColumn<QStringList>("device"); // files of the device's OrvelDB; "-": no such folder
    QTest::addColumn<QStringList>("right");
    const QStringList none = {QStringLiteral("-")};
    QTest::newRow("no mirror: the device's place files")
        << none << QStringList{"Orte_F.txt", "Ttable_F.txt", "Orte_USNY.txt", "Ttable_E.txt", "Country.txt"}
        << QStringList{"France", "USA - New York"};
    QTest::newRow("no mirror, device without place files") << none << QStringList{"Country.txt"} << QStringList();
    QTest::newRow("no mirror, device without a database folder") << none << none << QStringList();
    QTest::newRow("a mirror wins over the device")
        << QStringList{"Orte_I.txt"} << QStringList{"Orte_F.txt"} << QStringList{"Italy"};
    QTest::newRow("an empty mirror is a choice of nothing") << QStringList() << QStringList{"Orte_F.txt"}
                                                            << QStringList();
}

void CountryChoiceTest::chosenCountriesWithoutAMirrorComeFromTheDevice()
{
    QFETCH(QStringList, mirror);
    QFETCH(QStringList, device);
    QFETCH(QStringList, right);
    ChoiceScene scene;
    const QString mirrorFolder = scene.folders.program() + QStringLiteral("/SelOrvelDB");
    if (mirror != QStringList{QStringLiteral("-")}) {
        QVERIFY(QDir().mkpath(mirrorFolder));
        for (const QString &name : mirror)
            DesktopFolders::writeFile(mirrorFolder + u'/' + name, "x");
    }
    if (device != QStringList{QStringLiteral("-")}) {
        QVERIFY(QDir().mkpath(scene.folders.deviceDatabase()));
        for (const QString &name : device)
            DesktopFolders::writeFile(scene.folders.deviceDatabase() + u'/' + name, "x");
    } else {
        QDir(scene.folders.deviceDatabase()).removeRecursively();
    }
    CCountryDlg dialog(scene.choice, scene.folders.sink, scene.folders.program());
    QVERIFY(dialog.load());
    QCOMPARE(texts(dialog.rightList()), right);
    QCOMPARE(dialog.leftList()->topLevelItemCount() + dialog.rightList()->topLevelItemCount(), Countries.size());
    QVERIFY(scene.folders.sink.messages.isEmpty());

    // Saved at once, the device keeps the countries it had.
    dialog.save();
    QStringList kept;
    for (const QString &name : DesktopFolders::filesIn(scene.folders.deviceDatabase()))
        if (name.startsWith(QStringLiteral("Orte_")))
            kept.append(name);
    QStringList expected;
    for (const QString &name : mirror != QStringList{QStringLiteral("-")} ? mirror : device)
        if (name.startsWith(QStringLiteral("Orte_")))
            expected.append(name);
    expected.sort();
    QCOMPARE(kept, expected == QStringList{QStringLiteral("-")} ? QStringList() : expected);
}

void CountryChoiceTest::longNamesHaveTheirWholeTextAsTooltip()
{
    ChoiceScene scene;
    CCountryDlg dialog(scene.choice, scene.folders.sink, scene.folders.program());
    QVERIFY(dialog.load());
    for (QTreeWidget *list : {dialog.leftList(), dialog.rightList()})
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            QCOMPARE(list->topLevelItem(row)->toolTip(0), list->topLevelItem(row)->text(0));
    dialog.addAll();
    QCOMPARE(dialog.rightList()->topLevelItem(1)->toolTip(0), QStringLiteral("C\u00F4te d'Ivoire"));
}

void CountryChoiceTest::movesThreeSelectedItems()
{
    ChoiceScene scene;
    CCountryDlg dialog(scene.choice, scene.folders.sink, scene.folders.program());
    QVERIFY(dialog.load());
    QTreeWidget *left = dialog.leftList();
    const QStringList before = texts(left);
    QStringList moved;
    for (int row : {1, 4, 7}) {
        left->topLevelItem(row)->setSelected(true);
        moved.append(before[row]);
    }
    dialog.addSelected();
    QCOMPARE(texts(dialog.rightList()), moved); // already in list order
    QStringList rest = before;
    for (const QString &name : moved)
        rest.removeOne(name);
    QCOMPARE(texts(left), rest);

    dialog.rightList()->topLevelItem(1)->setSelected(true);
    dialog.removeSelected();
    QCOMPARE(texts(left).size(), rest.size() + 1);
    QCOMPARE(texts(left), [&] { QStringList all = before; all.removeOne(moved[0]); all.removeOne(moved[2]); return all; }());

    dialog.addAll();
    QCOMPARE(texts(dialog.rightList()), before);
    dialog.removeAll();
    QCOMPARE(texts(left), before);
}

void CountryChoiceTest::moveButtonsFollowTheSelection()
{
    ChoiceScene scene;
    CCountryDlg dialog(scene.choice, scene.folders.sink, scene.folders.program());
    QVERIFY(dialog.load());
    QVERIFY(!dialog.addButton()->isEnabled());
    dialog.leftList()->topLevelItem(2)->setSelected(true);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.addButton()->isEnabled(), 200);
    dialog.leftList()->clearSelection();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.addButton()->isEnabled(), 200);
    QVERIFY(!dialog.removeButton()->isEnabled());
}

void CountryChoiceTest::saveWithNothingChosenEmptiesTheDevice()
{
    ChoiceScene scene;
    const QString deviceDb = scene.folders.deviceDatabase();
    for (const char *name : {"Orte_D.txt", "Ttable_D.txt", "Ttable_US1.txt", "Zones.txt", "Country.txt"})
        DesktopFolders::writeFile(deviceDb + u'/' + QLatin1String(name), "old");
    DesktopFolders::writeFile(scene.folders.program() + QStringLiteral("/SelOrvelDB/Orte_D.txt"), "old");
    QVERIFY(scene.choice.save({}));
    QCOMPARE(DesktopFolders::filesIn(scene.choice.mirrorFolder()), QStringList());
    QCOMPARE(DesktopFolders::filesIn(deviceDb), (QStringList{QStringLiteral("Country.txt"), QStringLiteral("Zones.txt")}));
    QCOMPARE(DesktopFolders::readFile(deviceDb + QStringLiteral("/Zones.txt")), QByteArray("new zones"));
    QVERIFY(scene.folders.sink.messages.isEmpty());
}

void CountryChoiceTest::saveOfAUsStateCopiesItsExtraTables()
{
    ChoiceScene scene;
    DesktopFolders::writeFile(scene.folders.program() + QStringLiteral("/OrvelDB/Ttable_US1.txt"), "extra 1");
    DesktopFolders::writeFile(scene.folders.program() + QStringLiteral("/OrvelDB/Ttable_US4.txt"), "extra 4");
    QVERIFY(scene.choice.save({QStringLiteral("USTX"), QStringLiteral("D")}));
    const QStringList chosen = {QStringLiteral("Orte_D.txt"), QStringLiteral("Orte_USTX.txt"), QStringLiteral("Ttable_D.txt"),
                                QStringLiteral("Ttable_US1.txt"), QStringLiteral("Ttable_US4.txt"),
                                QStringLiteral("Ttable_USTX.txt")};
    QCOMPARE(DesktopFolders::filesIn(scene.choice.mirrorFolder()), chosen);
    QCOMPARE(DesktopFolders::filesIn(scene.folders.deviceDatabase()),
             QStringList{QStringLiteral("Country.txt")} + chosen + QStringList{QStringLiteral("Zones.txt")});
    QCOMPARE(DesktopFolders::readFile(scene.folders.deviceDatabase() + QStringLiteral("/Orte_USTX.txt")),
             QByteArray("places of USTX"));
    QVERIFY(scene.folders.sink.messages.isEmpty());

    // Opened again, the dialog shows the saved choice.
    CCountryDlg dialog(scene.choice, scene.folders.sink, scene.folders.program());
    QVERIFY(dialog.load());
    QCOMPARE(texts(dialog.rightList()), (QStringList{QStringLiteral("Germany"), QStringLiteral("USA - Texas")}));
}

void CountryChoiceTest::saveStopsAndStaysOpenOnAMissingFile()
{
    ChoiceScene scene;
    QFile::remove(scene.folders.program() + QStringLiteral("/OrvelDB/Ttable_F.txt"));
    DesktopFolders::writeFile(scene.folders.deviceDatabase() + QStringLiteral("/Orte_D.txt"), "old");
    CCountryDlg dialog(scene.choice, scene.folders.sink, scene.folders.program());
    QVERIFY(dialog.load());
    dialog.show();
    dialog.addAll();
    dialog.save();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(scene.folders.sink.messages,
             QStringList{QStringLiteral("%1 was not found.")
                             .arg(QDir::toNativeSeparators(scene.folders.program() + QStringLiteral("/OrvelDB/Ttable_F.txt")))});
    // The handheld is left alone when the mirror could not be rebuilt.
    QCOMPARE(DesktopFolders::filesIn(scene.folders.deviceDatabase()), QStringList{QStringLiteral("Orte_D.txt")});
}

void CountryChoiceTest::saveRefusesACodeThatNamesAFileElsewhere()
{
    ChoiceScene scene;
    DesktopFolders::writeFile(scene.folders.program() + QStringLiteral("/SelOrvelDB/Orte_D.txt"), "chosen before");
    QVERIFY(!scene.choice.save({QStringLiteral("D"), QStringLiteral("/../../outside")}));
    QCOMPARE(scene.folders.sink.messages,
             QStringList{QStringLiteral("The country code \"/../../outside\" cannot name a place file.")});
    QCOMPARE(DesktopFolders::readFile(scene.folders.program() + QStringLiteral("/SelOrvelDB/Orte_D.txt")),
             QByteArray("chosen before"));
    QCOMPARE(DesktopFolders::filesIn(scene.folders.deviceDatabase()), QStringList());
}

QTEST_MAIN(CountryChoiceTest)
#include "CountryChoiceTest.moc"
