// New..., Edit..., Load... and Solar from the frame, with their dialogs driven as a
// user would, on the fixture place database and a fixed clock; the load and solar
// dialogs' own rules.
#include "TestProgramFolder.h"

#include "handheld/CLoadDlg.h"
#include "handheld/CMainFrame.h"
#include "handheld/CSolarDlg.h"
#include "session/Session.h"
#include "gui/ProgramFont.h"
#include "placedb/PlaceDatabase.h"
#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"
#include "support/RecordingSoftInputPanel.h"
#include "storage/HoroscopeFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using namespace orvel;

Q_DECLARE_METATYPE(orvel::ChartMode)

namespace {

const DateTime Now(2024, 1, 1, 12, 0, 0);

HoroscopeRecord person(const QString &name)
{
    HoroscopeRecord r = HoroscopeRecord::createDefault(DateTime(1970, 5, 17, 8, 30, 0));
    r.name = name;
    r.country = QStringLiteral("Deutschland");
    r.city = QStringLiteral("Aachen");
    r.latitude = QStringLiteral("50°47'N");
    r.longitude = QStringLiteral("6°05'E");
    r.deltaGmt = 1.0;
    return r;
}

QStringList names(const std::vector<HoroscopeRecord> &records)
{
    QStringList list;
    for (const HoroscopeRecord &r : records)
        list << r.name;
    return list;
}

QStringList itemTexts(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// The program on a temporary folder with the given horoscopes, showing Radix I.
struct Program {
    explicit Program(const QStringList &horoscopes)
    {
        clock.fix(Now);
        clock.fixZone(QTimeZone(QByteArrayLiteral("Europe/Berlin")));
        std::vector<HoroscopeRecord> &list = session.document.horoscopes();
        list.clear();
        for (const QString &name : horoscopes)
            list.push_back(person(name));
        session.commands.showRadixI();
    }

    // Runs a command whose dialog `user` operates once it is open.
    void run(CommandId command, std::function<void(QDialog &)> user)
    {
        QTimer::singleShot(0, [user] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            user(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        frame.action(command)->trigger();
    }

    std::vector<HoroscopeRecord> savedHoroscopes() const
    {
        return HoroscopeFile::load(folder.file(QStringLiteral("horoskop.xml")), Now).value();
    }

    TestProgramFolder folder;
    Clock clock;
    RecordingMessageSink sink;
    RecordingSoftInputPanel panel;
    Session session{clock, sink, sink, folder.path(), folder.path()};
    CMainFrame frame{session, sink, panel, 1};
};

void clickOk(QDialog &dialog)
{
    QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void selectRow(QDialog &dialog, int row)
{
    auto *list = dialog.findChild<QTreeWidget *>();
    list->setCurrentItem(list->topLevelItem(row));
}

// Fills the edit dialog with a typed-in place, in `country` if one is given.
void enterTypedPlace(QDialog &dialog, const QString &name, const QString &country = QString())
{
    dialog.findChild<QLineEdit *>(QStringLiteral("name"))->setText(name);
    dialog.findChild<QCheckBox *>(QStringLiteral("other"))->click();
    if (!country.isEmpty()) {
        auto *countries = dialog.findChild<QComboBox *>(QStringLiteral("country"));
        countries->setCurrentIndex(countries->findText(country));
        emit countries->activated(countries->currentIndex());
    }
    dialog.findChild<QLineEdit *>(QStringLiteral("typedCity"))->setText(QStringLiteral("Atlantis"));
    dialog.findChild<QLineEdit *>(QStringLiteral("latitude"))->setText(QStringLiteral("10"));
    dialog.findChild<QLineEdit *>(QStringLiteral("longitude"))->setText(QStringLiteral("20"));
}

} // namespace

class HoroscopeCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void newBecomesRadixIAndTheOldOneMovesToTheEnd();
    void newTypedByHandHasNoCountryUnlessChosen();
    void newStartsInTheLastUsedCountry();
    void cancelledNewWritesNothing();
    void unwritableFilesAreReportedAndKept();
    void editSavesAndKeepsTheMode();
    void editCancelledAfterARefusedOkChangesNothing();
    void loadInRadixIIFromPosition4();
    void loadAtTheTargetLeavesTheList();
    void cancelledLoadStillSavesDeletions();
    void loadShowsWholeNamesAtEveryScale_data();
    void loadShowsWholeNamesAtEveryScale();
    void deleteNeedsThreeHoroscopes_data();
    void deleteNeedsThreeHoroscopes();
    void solarYearRules();
    void solarCountryEmptiesTheCitiesUntilALetter();
    void solarNamesACountryWithoutPlaces();
    void solarShowsTheChosenPlace();
    void solarWithAFailedLookupKeepsTheChart();
    void solarBeforeTheGregorianReform();
};

void HoroscopeCommandsTest::newBecomesRadixIAndTheOldOneMovesToTheEnd()
{
    Program p({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    p.session.commands.showRadixII();
    p.frame.action(CommandId::RadixI)->trigger();
    p.run(CommandId::New, [](QDialog &d) {
        QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("name"))->text(), QStringLiteral("(New Horoscope)"));
        QCOMPARE(d.findChild<QComboBox *>(QStringLiteral("country"))->currentIndex(), 0);
        enterTypedPlace(d, QStringLiteral("New"), QStringLiteral("England"));
        clickOk(d);
    });
    const QStringList expected{QStringLiteral("New"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")};
    QCOMPARE(names(p.session.document.horoscopes()), expected);
    QCOMPARE(names(p.savedHoroscopes()), expected);
    QCOMPARE(p.session.commands.mode(), ChartMode::RadixI);
    QCOMPARE(p.session.engine.currentSlot(), 0);
    QString country;
    p.session.places.LoadLastCountry(country);
    QCOMPARE(country, QStringLiteral("England"));
    QCOMPARE(p.session.document.horoscopes().front().country, country);
}

void HoroscopeCommandsTest::newTypedByHandHasNoCountryUnlessChosen()
{
    Program p({QStringLiteral("A"), QStringLiteral("B")});
    p.run(CommandId::New, [](QDialog &d) {
        enterTypedPlace(d, QStringLiteral("New"));
        clickOk(d);
    });
    QCOMPARE(p.session.document.horoscopes().front().name, QStringLiteral("New"));
    QCOMPARE(p.session.document.horoscopes().front().country, QString());
    QCOMPARE(p.savedHoroscopes().front().country, QString());
    // No country, so the last one used is not replaced.
    QVERIFY(!QFile::exists(p.folder.file(QStringLiteral("LstCntry.dat"))));
}

void HoroscopeCommandsTest::newStartsInTheLastUsedCountry()
{
    Program p({QStringLiteral("A"), QStringLiteral("B")});
    p.session.places.SaveLastCountry(QStringLiteral("England"));
    QString shown;
    p.run(CommandId::New,
          [&](QDialog &d) { shown = d.findChild<QComboBox *>(QStringLiteral("country"))->currentText(); });
    QCOMPARE(shown, QStringLiteral("England"));
}

void HoroscopeCommandsTest::cancelledNewWritesNothing()
{
    Program p({QStringLiteral("A"), QStringLiteral("B")});
    p.run(CommandId::New, [](QDialog &d) {
        enterTypedPlace(d, QStringLiteral("New"));
        d.reject();
    });
    QCOMPARE(names(p.session.document.horoscopes()), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QVERIFY(!QFile::exists(p.folder.file(QStringLiteral("horoskop.xml"))));
    QVERIFY(!QFile::exists(p.folder.file(QStringLiteral("LstCntry.dat"))));
}

void HoroscopeCommandsTest::unwritableFilesAreReportedAndKept()
{
    Program p({QStringLiteral("A"), QStringLiteral("B")});
    // Folders in the files' places cannot be replaced by files.
    QDir(p.folder.path()).mkdir(QStringLiteral("horoskop.xml"));
    QDir(p.folder.path()).mkdir(QStringLiteral("LstCntry.dat"));
    p.run(CommandId::New, [](QDialog &d) {
        enterTypedPlace(d, QStringLiteral("New"), QStringLiteral("England"));
        clickOk(d);
    });
    QCOMPARE(p.sink.messages.size(), 3); // reading and writing LstCntry.dat, writing horoskop.xml
    QVERIFY(p.sink.messages.last().contains(QStringLiteral("horoskop.xml")));
    QVERIFY(QFileInfo(p.folder.file(QStringLiteral("horoskop.xml"))).isDir());
    QVERIFY(QFileInfo(p.folder.file(QStringLiteral("LstCntry.dat"))).isDir());
}

void HoroscopeCommandsTest::editSavesAndKeepsTheMode()
{
    Program p({QStringLiteral("A"), QStringLiteral("B")});
    p.frame.action(CommandId::RadixII)->trigger();
    p.run(CommandId::Edit, [](QDialog &d) {
        QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("name"))->text(), QStringLiteral("B"));
        d.findChild<QLineEdit *>(QStringLiteral("name"))->setText(QStringLiteral("Edited"));
        clickOk(d);
    });
    QCOMPARE(names(p.savedHoroscopes()), (QStringList{QStringLiteral("A"), QStringLiteral("Edited")}));
    QCOMPARE(p.session.commands.mode(), ChartMode::RadixII);
    QCOMPARE(p.session.engine.currentSlot(), 1);
    QString country;
    p.session.places.LoadLastCountry(country);
    QCOMPARE(country, QStringLiteral("Deutschland"));
}

void HoroscopeCommandsTest::editCancelledAfterARefusedOkChangesNothing()
{
    Program p({QStringLiteral("A"), QStringLiteral("B")});
    const HoroscopeRecord before = p.session.document.horoscopes().front();
    p.run(CommandId::Edit, [](QDialog &d) {
        enterTypedPlace(d, QStringLiteral("Edited"));
        d.findChild<QLineEdit *>(QStringLiteral("latitude"))->setText(QStringLiteral("abc"));
        clickOk(d);
        QVERIFY(d.isVisible());
        d.reject();
    });
    QCOMPARE(p.session.document.horoscopes().front(), before);
    // Load... saves whatever the list holds, even when cancelled.
    p.run(CommandId::Load, [](QDialog &d) { d.reject(); });
    QCOMPARE(p.savedHoroscopes().front(), before);
}

void HoroscopeCommandsTest::loadInRadixIIFromPosition4()
{
    Program p({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E")});
    p.frame.action(CommandId::RadixII)->trigger();
    p.run(CommandId::Load, [](QDialog &d) {
        selectRow(d, 4);
        clickOk(d);
    });
    const QStringList expected{QStringLiteral("A"), QStringLiteral("E"), QStringLiteral("C"), QStringLiteral("D"),
                               QStringLiteral("B")};
    QCOMPARE(names(p.session.document.horoscopes()), expected);
    QCOMPARE(names(p.savedHoroscopes()), expected);
    QCOMPARE(p.session.commands.mode(), ChartMode::RadixII);
}

void HoroscopeCommandsTest::loadAtTheTargetLeavesTheList()
{
    std::vector<HoroscopeRecord> list{person(QStringLiteral("A")), person(QStringLiteral("B")), person(QStringLiteral("C"))};
    CLoadDlg dialog(list, ChartMode::RadixI);
    selectRow(dialog, 0);
    emit dialog.list()->itemDoubleClicked(dialog.list()->topLevelItem(0), 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(names(list), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
}

void HoroscopeCommandsTest::cancelledLoadStillSavesDeletions()
{
    Program p({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    p.run(CommandId::Load, [](QDialog &d) {
        clickOk(d); // without a selection the dialog stays open
        QVERIFY(d.isVisible());
        selectRow(d, 2);
        d.findChild<QPushButton *>(QStringLiteral("delete"))->click();
        d.reject();
    });
    QCOMPARE(names(p.savedHoroscopes()), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(p.session.commands.mode(), ChartMode::RadixI);
}

void HoroscopeCommandsTest::loadShowsWholeNamesAtEveryScale_data()
{
    QTest::addColumn<int>("scale");
    for (int scale : {1, 2, 3})
        QTest::addRow("scale %d", scale) << scale;
}

void HoroscopeCommandsTest::loadShowsWholeNamesAtEveryScale()
{
    QFETCH(int, scale);
    const QFont before = QApplication::font();
    ProgramFont::set(scale);
    std::vector<HoroscopeRecord> list{person(QStringLiteral("Millennium Sydney")), person(QStringLiteral("B"))};
    list[0].city = QStringLiteral("Sydney");
    list[1].city = QStringLiteral("Frankfurt am Main");
    QWidget frame;
    frame.resize(240 * scale, 270 * scale);
    CLoadDlg dialog(list, ChartMode::RadixI, &frame);
    const QFontMetrics metrics(dialog.list()->font());
    QVERIFY(dialog.list()->columnWidth(0) >= metrics.horizontalAdvance(list[0].name));
    QVERIFY(dialog.list()->columnWidth(1) >= metrics.horizontalAdvance(list[1].city));
    QVERIFY(dialog.list()->minimumWidth() <= frame.width());
    QApplication::setFont(before);
}

void HoroscopeCommandsTest::deleteNeedsThreeHoroscopes_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("two") << QStringList{"A", "B"} << QStringList{"A", "B"};
    QTest::newRow("three") << QStringList{"A", "B", "C"} << QStringList{"A", "C"};
}

void HoroscopeCommandsTest::deleteNeedsThreeHoroscopes()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    std::vector<HoroscopeRecord> list;
    for (const QString &name : before)
        list.push_back(person(name));
    CLoadDlg dialog(list, ChartMode::RadixI);
    selectRow(dialog, 1);
    dialog.findChild<QPushButton *>(QStringLiteral("delete"))->click();
    QCOMPARE(names(list), after);
    QCOMPARE(dialog.list()->topLevelItemCount(), int(after.size()));
    QCOMPARE(dialog.list()->topLevelItem(1)->text(0), after[1]);
}

void HoroscopeCommandsTest::solarYearRules()
{
    TestProgramFolder folder;
    Clock clock;
    clock.fix(Now);
    RecordingMessageSink sink;
    RecordingSoftInputPanel panel;
    const HoroscopeRecord birth = person(QStringLiteral("A"));
    CSolarDlg dialog(birth, folder.database(), clock, sink, panel);
    QVERIFY(dialog.OnInitDialog());
    dialog.show();
    QLineEdit *year = dialog.yearEdit();
    QCOMPARE(year->text(), QStringLiteral("2024"));

    QTest::keyClicks(year, QStringLiteral("x"));
    QCOMPARE(year->text(), QStringLiteral("2024")); // refused at once
    const auto leave = [&](const QString &typed) {
        year->clear();
        QTest::keyClicks(year, typed);
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(year, &out);
        return year->text();
    };
    QCOMPARE(leave(QStringLiteral("1969")), QStringLiteral("2024"));
    QCOMPARE(leave(QStringLiteral("3001")), QStringLiteral("2024"));
    QCOMPARE(leave(QString()), QStringLiteral("2024"));
    QCOMPARE(leave(QStringLiteral("1970")), QStringLiteral("1970"));
    dialog.findChild<QToolButton *>(QStringLiteral("yearDown"))->click();
    QCOMPARE(year->text(), QStringLiteral("1970")); // the spin stops at the birth year
    QCOMPARE(leave(QStringLiteral("3000")), QStringLiteral("3000"));
    dialog.findChild<QToolButton *>(QStringLiteral("yearUp"))->click();
    QCOMPARE(year->text(), QStringLiteral("3000"));

    // OK refuses a year out of range without a message.
    year->setText(QStringLiteral("1969"));
    clickOk(dialog);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.place());
    QVERIFY(sink.messages.isEmpty());
}

void HoroscopeCommandsTest::solarCountryEmptiesTheCitiesUntilALetter()
{
    TestProgramFolder folder;
    Clock clock;
    clock.fix(Now);
    RecordingMessageSink sink;
    RecordingSoftInputPanel panel;
    const HoroscopeRecord birth = person(QStringLiteral("A"));
    CSolarDlg dialog(birth, folder.database(), clock, sink, panel);
    QVERIFY(dialog.OnInitDialog());
    dialog.show();
    auto *cities = dialog.findChild<QComboBox *>(QStringLiteral("city"));
    QCOMPARE(cities->currentText(), QStringLiteral("Aachen"));

    auto *countries = dialog.findChild<QComboBox *>(QStringLiteral("country"));
    emit countries->activated(countries->currentIndex());
    QCOMPARE(cities->count(), 0);
    clickOk(dialog); // no city: the focus goes to the city field
    QVERIFY(dialog.isVisible());
    QCOMPARE(sink.messages, QStringList{QStringLiteral("Type the name of a place in Deutschland.")});

    QTest::keyClicks(cities->lineEdit(), QStringLiteral("Z"));
    QCOMPARE(itemTexts(cities), QStringList{});
    clickOk(dialog);
    QCOMPARE(sink.messages.last(), QStringLiteral("No place 'Z' in Deutschland."));
    cities->lineEdit()->clear();
    QTest::keyClicks(cities->lineEdit(), QStringLiteral("A"));
    QCOMPARE(itemTexts(cities), (QStringList{QStringLiteral("Aachen"), QStringLiteral("Augsburg")}));
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.place()->city, QStringLiteral("Aachen"));
    QCOMPARE(dialog.year(), 2024);
}

void HoroscopeCommandsTest::solarNamesACountryWithoutPlaces()
{
    TestProgramFolder folder; // holds no place file of Österreich
    Clock clock;
    clock.fix(Now);
    RecordingMessageSink sink;
    RecordingSoftInputPanel panel;
    const HoroscopeRecord birth = person(QStringLiteral("A"));
    CSolarDlg dialog(birth, folder.database(), clock, sink, panel);
    QVERIFY(dialog.OnInitDialog());
    dialog.show();
    auto *countries = dialog.findChild<QComboBox *>(QStringLiteral("country"));
    countries->setCurrentIndex(countries->findText(QStringLiteral("Österreich")));
    emit countries->activated(countries->currentIndex());
    QTest::keyClicks(dialog.findChild<QComboBox *>(QStringLiteral("city"))->lineEdit(), QStringLiteral("Wien"));
    clickOk(dialog);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.place());
    QCOMPARE(sink.messages, QStringList{QStringLiteral("The places of Österreich are not on this device: choose the "
                                                       "country in the desktop program's Country choice.")});
}

void HoroscopeCommandsTest::solarShowsTheChosenPlace()
{
    Program p({QStringLiteral("A"), QStringLiteral("B")});
    p.run(CommandId::Solar, [](QDialog &d) {
        auto *cities = d.findChild<QComboBox *>(QStringLiteral("city"));
        cities->lineEdit()->clear();
        QTest::keyClicks(cities->lineEdit(), QStringLiteral("A"));
        QTest::keyClicks(cities->lineEdit(), QStringLiteral("ugsburg"));
        auto *year = d.findChild<QLineEdit *>(QStringLiteral("year"));
        year->setText(QStringLiteral("2000"));
        clickOk(d);
    });
    QCOMPARE(p.session.commands.mode(), ChartMode::Solar);
    QCOMPARE(p.session.commands.solarPlace()->city, QStringLiteral("Augsburg"));
    QCOMPARE(p.session.commands.solarMoment().year(), 2000);
}

void HoroscopeCommandsTest::solarWithAFailedLookupKeepsTheChart()
{
    Program p({QStringLiteral("A"), QStringLiteral("B")});
    p.run(CommandId::Solar, [&](QDialog &d) {
        p.folder.damage(QStringLiteral("Ttable_D.txt"));
        clickOk(d);
    });
    QCOMPARE(p.session.commands.mode(), ChartMode::RadixI);
    QVERIFY(!p.session.commands.solarPlace());
    QCOMPARE(p.sink.messages.size(), 1);
}

void HoroscopeCommandsTest::solarBeforeTheGregorianReform()
{
    Program p({QStringLiteral("A"), QStringLiteral("B")});
    p.session.document.horoscopes().front().birth = DateTime(1450, 2, 28, 12, 0, 0);
    p.session.commands.showRadixI();
    p.run(CommandId::Solar, [](QDialog &d) {
        d.findChild<QLineEdit *>(QStringLiteral("year"))->setText(QStringLiteral("1500"));
        clickOk(d);
    });
    QCOMPARE(p.session.commands.mode(), ChartMode::Solar);
    const DateTime moment = p.session.commands.solarMoment();
    QCOMPARE(moment.year(), 1500);
    // 1500 has no 29 February: the return falls within two days of the birthday.
    QVERIFY(moment >= DateTime(1500, 2, 26) && moment < DateTime(1500, 3, 3));
}

QTEST_MAIN(HoroscopeCommandsTest)
#include "HoroscopeCommandsTest.moc"
