// The horoscope edit dialog on the fixture place database, driven through its
// controls: coordinate and time-zone checks, the typed-city rule with its one-letter
// reload, the offset and clock-change line following the date, Other, what OK keeps
// of a record left alone, the lists that cannot be read, and the German interface.
#include "TestProgramFolder.h"

#include "i18n/GermanInterface.h"
#include "platform/RecordingMessageSink.h"
#include "desktop/horoscopes/CHoroscopeManagerDlg.h"
#include "gui/CHoroscopeDlg.h"
#include "support/RecordingSoftInputPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QtTest>

using namespace orvel;

Q_DECLARE_METATYPE(orvel::DateTime)

namespace {

// The clock's moment the dialogs are opened at.
const DateTime Now(2024, 3, 5, 14, 30, 0);

HoroscopeRecord aachen()
{
    HoroscopeRecord r = HoroscopeRecord::createDefault(DateTime(1916, 7, 1, 12, 0, 0));
    r.name = QStringLiteral("Ann");
    r.country = QStringLiteral("Deutschland");
    r.city = QStringLiteral("Aachen");
    r.latitude = QStringLiteral("50°47'N");
    r.longitude = QStringLiteral("6°05'E");
    r.deltaGmt = 2.0;
    return r;
}

// One dialog on a record, opened and shown.
struct OpenDialog {
    OpenDialog(HoroscopeRecord &record, const TestProgramFolder &folder,
               const HoroscopeDialogVariant &variant = HoroscopeDialogVariant::handheld())
        : dialog(record, Now, variant, folder.database(), sink, &panel)
    {
        opened = dialog.OnInitDialog();
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }

    template <typename T> T *field(const char *name) const { return dialog.findChild<T *>(QLatin1String(name)); }
    QLineEdit *edit(const char *name) const { return field<QLineEdit>(name); }
    QComboBox *cities() const { return field<QComboBox>("city"); }
    void retype(const char *name, const QString &text) const
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    // The city field's text and the completed part of it that is selected.
    QString shownCity() const { return cities()->lineEdit()->text(); }
    QString completedCity() const { return cities()->lineEdit()->selectedText(); }
    void typeCity(const QString &text) const
    {
        cities()->lineEdit()->clear();
        QTest::keyClicks(cities()->lineEdit(), text);
    }
    void chooseCountry(const QString &name) const
    {
        auto *countries = field<QComboBox>("country");
        countries->setCurrentIndex(countries->findText(name));
        emit countries->activated(countries->currentIndex());
    }
    void clickOk() const
    {
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    // Leaves a picker, as tapping the next field does.
    void leave(QWidget *picker) const
    {
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(picker, &out);
    }
    void enterMoment(const QDate &date, const QTime &time) const
    {
        field<QDateEdit>("date")->setDate(date);
        field<QTimeEdit>("time")->setTime(time);
        leave(field<QDateEdit>("date"));
    }

    RecordingMessageSink sink;
    RecordingSoftInputPanel panel;
    CHoroscopeDlg dialog;
    bool opened = false;
};

} // namespace

class HoroscopeDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheRecordsPlace();
    void coordinateCheck_data();
    void coordinateCheck();
    void timeZoneCheck_data();
    void timeZoneCheck();
    void cancelAfterARefusedOkKeepsTheRecord();
    void oneLetterReloadsTheCities();
    void typedCityShowsThePlaceOkStores_data();
    void typedCityShowsThePlaceOkStores();
    void aNameOfAnotherLetterPutInAtOnceIsFound();
    void backspaceTakesBackOneTypedLetter();
    void missingPlaceFileIsNamed_data();
    void missingPlaceFileIsNamed();
    void untouchedRecordKeepsItsPlaceExactly();
    void typedByHandKeepsAnEmptyCountry();
    void earlyDatesAndSecondsSurviveOk_data();
    void earlyDatesAndSecondsSurviveOk();
    void recordWithoutAMomentOpensOnTheClocksMoment();
    void offsetAndClockChangeFollowTheDate_data();
    void offsetAndClockChangeFollowTheDate();
    void otherKeepsTypedValuesAndHidesTheClockChange();
    void unknownCityOpensAsOther();
    void unreadableListClosesAsCancel_data();
    void unreadableListClosesAsCancel();
    void inputPanelFollowsTheFocus();
    void germanCaptions_data();
    void germanCaptions();
    void germanMessagesKeepTheFigures();
};

void HoroscopeDialogTest::opensOnTheRecordsPlace()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder);
    QVERIFY(d.opened);
    QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Horoscope"));
    QCOMPARE(d.field<QComboBox>("country")->currentText(), QStringLiteral("Deutschland"));
    QCOMPARE(d.cities()->currentText(), QStringLiteral("Aachen"));
    QCOMPARE(d.field<QTimeEdit>("time")->displayFormat(), QStringLiteral("HH:mm:ss"));
    QVERIFY(d.field<QDateEdit>("date")->displayFormat().contains(QStringLiteral("yyyy")));
    QCOMPARE(d.edit("timeZone")->text(), QStringLiteral("2.0000"));
    QVERIFY(!d.field<QCheckBox>("other")->isChecked());
    QVERIFY(d.cities()->isVisible());
    QVERIFY(!d.edit("typedCity")->isVisible());
    QVERIFY(d.sink.busyOn > 0 && d.sink.busyOn == d.sink.busyOff);
}

void HoroscopeDialogTest::coordinateCheck_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("faulty"); // the field that gets the focus, or empty
    QTest::addColumn<bool>("desktop"); // the PC's variant of the dialog

    QTest::newRow("comma") << "52,31" << "13.24" << "" << false;
    QTest::newRow("latitude limit") << "90.00" << "0" << "" << false;
    QTest::newRow("minutes at the latitude limit") << "90.01" << "0" << "latitude" << false;
    QTest::newRow("beyond the latitude limit") << "91" << "0" << "latitude" << false;
    QTest::newRow("sixty minutes") << "45.60" << "0" << "latitude" << false;
    QTest::newRow("seconds at the longitude limit") << "10" << "180.0.30" << "" << false;
    QTest::newRow("minutes at the longitude limit") << "10" << "180.1" << "longitude" << false;
    QTest::newRow("letters") << "N52 31" << "E13 24" << "" << false;
    QTest::newRow("empty is refused with Other") << "" << "" << "latitude" << false;
    QTest::newRow("empty longitude is refused with Other") << "10" << "" << "longitude" << false;
    QTest::newRow("letters are no coordinate") << "abc" << "0" << "latitude" << false;
    QTest::newRow("minus sign") << "-33 52" << "0" << "latitude" << false;
    QTest::newRow("latitude letter in the longitude") << "10" << "13 24 N" << "longitude" << false;
    QTest::newRow("as the database writes it") << "51°30'26\" N" << "0°07'39\" W" << "" << false;
    QTest::newRow("desktop: seconds at the latitude limit") << "90 0 30" << "0" << "" << true;
    QTest::newRow("desktop: minutes at the latitude limit") << "90 1" << "0" << "latitude" << true;
    QTest::newRow("desktop: beyond the latitude limit") << "91" << "0" << "latitude" << true;
    QTest::newRow("desktop: empty is refused with Other") << "" << "" << "latitude" << true;
    QTest::newRow("desktop: letter after the seconds") << "47 30 15 N" << "8 e 30" << "" << true;
}

void HoroscopeDialogTest::coordinateCheck()
{
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QString, faulty);
    QFETCH(bool, desktop);
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder, desktop ? CHoroscopeManagerDlg::editVariant() : HoroscopeDialogVariant::handheld());
    d.field<QCheckBox>("other")->click();
    d.retype("latitude", latitude);
    d.retype("longitude", longitude);
    d.clickOk();

    if (faulty.isEmpty()) {
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QVERIFY(d.sink.messages.isEmpty());
        QCOMPARE(d.dialog.record().latitude, latitude);
        QCOMPARE(d.dialog.record().longitude, longitude);
    } else {
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.sink.messages, QStringList{QStringLiteral("Invalid coordinates!")});
        QCOMPARE(QApplication::focusWidget(), d.edit(faulty.toLatin1().constData()));
        QCOMPARE(d.dialog.record(), record);
    }
}

void HoroscopeDialogTest::timeZoneCheck_data()
{
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<double>("stored"); // NaN: refused

    QTest::newRow("decimal comma") << "3,5" << 3.5;
    QTest::newRow("west") << "-4.5" << -4.5;
    QTest::newRow("eastern limit") << "+14" << 14.0;
    QTest::newRow("beyond the limit") << "14.5" << qQNaN();
    QTest::newRow("letters") << "abc" << qQNaN();
    QTest::newRow("number then letters") << "2 hours" << qQNaN();
    QTest::newRow("empty with Other") << "" << qQNaN();
}

void HoroscopeDialogTest::timeZoneCheck()
{
    QFETCH(QString, timeZone);
    QFETCH(double, stored);
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder);
    d.field<QCheckBox>("other")->click();
    d.retype("timeZone", timeZone);
    d.clickOk();

    if (qIsNaN(stored)) {
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.sink.messages, QStringList{QStringLiteral("Invalid time zone!")});
        QCOMPARE(QApplication::focusWidget(), d.edit("timeZone"));
        QCOMPARE(d.dialog.record(), record);
    } else {
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.dialog.record().deltaGmt, stored);
    }
}

void HoroscopeDialogTest::cancelAfterARefusedOkKeepsTheRecord()
{
    TestProgramFolder folder;
    const HoroscopeRecord original = aachen();
    HoroscopeRecord record = original;
    OpenDialog d(record, folder);
    d.field<QCheckBox>("other")->click();
    d.retype("name", QStringLiteral("Bea"));
    d.retype("typedCity", QStringLiteral("Atlantis"));
    d.retype("timeZone", QStringLiteral("3,5"));
    d.retype("latitude", QStringLiteral("10"));
    d.retype("longitude", QStringLiteral("181"));
    d.clickOk();
    QVERIFY(d.dialog.isVisible());
    d.dialog.reject();

    QCOMPARE(d.dialog.record(), original);
    QCOMPARE(record, original);
}

void HoroscopeDialogTest::oneLetterReloadsTheCities()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    record.city = QStringLiteral("Split"); // another country's: the city field starts on the S places
    OpenDialog d(record, folder);
    QVERIFY(d.field<QCheckBox>("other")->isChecked());
    d.field<QCheckBox>("other")->click();

    d.cities()->lineEdit()->clear();
    QTest::keyClicks(d.cities()->lineEdit(), QStringLiteral("a"));
    QStringList names;
    for (int i = 0; i < d.cities()->count(); ++i)
        names << d.cities()->itemText(i);
    QCOMPARE(names, (QStringList{QStringLiteral("Aachen"), QStringLiteral("Augsburg")}));
    QCOMPARE(d.shownCity(), QStringLiteral("Aachen"));
    QCOMPARE(d.completedCity(), QStringLiteral("achen"));
    QCOMPARE(d.edit("typedCity")->text(), QStringLiteral("Aachen"));
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("50°47'N"));
    QCOMPARE(d.edit("timeZone")->text(), QStringLiteral("2.0000"));

    // A second letter does not reload, but the place and its fields follow it.
    d.edit("latitude")->setText(QStringLiteral("changed"));
    QTest::keyClicks(d.cities()->lineEdit(), QStringLiteral("u"));
    QCOMPARE(d.cities()->count(), 2);
    QCOMPARE(d.shownCity(), QStringLiteral("Augsburg"));
    QCOMPARE(d.completedCity(), QStringLiteral("gsburg"));
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("48°22'N"));
    // Choosing from the list takes over too.
    d.edit("latitude")->setText(QStringLiteral("changed"));
    d.cities()->setCurrentIndex(0);
    emit d.cities()->activated(0);
    QCOMPARE(d.edit("typedCity")->text(), QStringLiteral("Aachen"));
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("50°47'N"));
}

void HoroscopeDialogTest::typedCityShowsThePlaceOkStores_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");     // the city field afterwards
    QTest::addColumn<QString>("completed"); // its selected part
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("message");   // OK's refusal, or empty when OK stores `shown`

    QTest::newRow("begins a name") << "Au" << "Augsburg" << "gsburg" << "48°22'N" << "";
    QTest::newRow("case folded") << "saarbr" << "Saarbrücken" << "ücken" << "49°14'N" << "";
    QTest::newRow("accent folded") << "Oh" << "Öhringen" << "ringen" << "49°12'N" << "";
    QTest::newRow("equal name") << "BERLIN" << "Berlin" << "" << "52°31'N" << "";
    QTest::newRow("no such place") << "Bxyz" << "Bxyz" << "" << ""
                                   << "No place 'Bxyz' in Deutschland. Tick Other to type the place by hand.";
    QTest::newRow("empty") << "" << "" << "" << ""
                           << "Type the name of a place in Deutschland. Tick Other to type the place by hand.";
}

void HoroscopeDialogTest::typedCityShowsThePlaceOkStores()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, completed);
    QFETCH(QString, latitude);
    QFETCH(QString, message);
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder);
    d.typeCity(typed);
    if (typed.isEmpty()) // clearing the field is an edit as well
        emit d.cities()->lineEdit()->textEdited(QString());
    QCOMPARE(d.shownCity(), shown);
    QCOMPARE(d.completedCity(), completed);
    QCOMPARE(d.edit("latitude")->text(), latitude);
    QCOMPARE(d.edit("timeZone")->text().isEmpty(), latitude.isEmpty());

    d.clickOk();
    if (message.isEmpty()) {
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.dialog.record().city, shown);
        QCOMPARE(d.dialog.record().latitude, latitude);
    } else {
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.sink.messages, QStringList{message});
        QCOMPARE(QApplication::focusWidget(), d.cities());
        QCOMPARE(d.dialog.record(), record);
    }
}

void HoroscopeDialogTest::aNameOfAnotherLetterPutInAtOnceIsFound()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder); // lists the places of A
    QLineEdit *city = d.cities()->lineEdit();
    city->selectAll();
    city->insert(QStringLiteral("Berlin")); // as a paste does
    QCOMPARE(d.shownCity(), QStringLiteral("Berlin"));
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("52°31'N"));
    // A blank before the first letter lists that letter's places.
    d.typeCity(QStringLiteral(" s"));
    QCOMPARE(d.shownCity(), QStringLiteral("Saarbrücken"));
}

void HoroscopeDialogTest::backspaceTakesBackOneTypedLetter()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder);
    d.typeCity(QStringLiteral("Au"));
    QCOMPARE(d.shownCity(), QStringLiteral("Augsburg"));
    QTest::keyClick(d.cities()->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(d.shownCity(), QStringLiteral("Aachen"));
    QCOMPARE(d.completedCity(), QStringLiteral("achen"));
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("50°47'N"));
    QTest::keyClick(d.cities()->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(d.shownCity(), QString());
    QCOMPARE(d.edit("latitude")->text(), QString());
}

void HoroscopeDialogTest::missingPlaceFileIsNamed_data()
{
    QTest::addColumn<bool>("desktop");
    QTest::addColumn<QString>("message");
    QTest::newRow("handheld") << false
                              << "The places of Österreich are not on this device: choose the country in the "
                                 "desktop program's Country choice, or tick Other.";
    QTest::newRow("desktop") << true
                             << "The places of Österreich are not in this program's place database. Tick Other "
                                "to type the place by hand.";
}

void HoroscopeDialogTest::missingPlaceFileIsNamed()
{
    QFETCH(bool, desktop);
    QFETCH(QString, message);
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder, desktop ? CHoroscopeManagerDlg::editVariant() : HoroscopeDialogVariant::handheld());
    d.chooseCountry(QStringLiteral("Österreich"));
    QCOMPARE(d.edit("latitude")->text(), QString());
    d.typeCity(QStringLiteral("Wien"));
    d.clickOk();
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(d.sink.messages, QStringList{message});
}

void HoroscopeDialogTest::untouchedRecordKeepsItsPlaceExactly()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    // As an import gives it: more exact than the database's place.
    record.latitude = QStringLiteral("50°46'32\"N");
    record.longitude = QStringLiteral("6°05'02\"E");
    record.deltaGmt = 2.0123456789;
    {
        OpenDialog d(record, folder);
        d.clickOk();
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.dialog.record(), record);
    }
    // A new date gives the offset of that date; the coordinates stay the record's.
    OpenDialog d(record, folder);
    d.enterMoment(QDate(1916, 12, 1), QTime(12, 0));
    d.clickOk();
    QCOMPARE(d.dialog.record().deltaGmt, 1.0);
    QCOMPARE(d.dialog.record().latitude, record.latitude);
    QCOMPARE(d.dialog.record().longitude, record.longitude);
}

void HoroscopeDialogTest::typedByHandKeepsAnEmptyCountry()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    record.country.clear();
    record.city = QStringLiteral("Atlantis");
    {
        OpenDialog d(record, folder);
        QVERIFY(d.field<QCheckBox>("other")->isChecked());
        d.retype("name", QStringLiteral("Bea"));
        d.clickOk();
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.dialog.record().country, QString());
        QCOMPARE(d.dialog.record().name, QStringLiteral("Bea"));
    }
    OpenDialog d(record, folder);
    d.chooseCountry(QStringLiteral("England"));
    d.clickOk();
    QCOMPARE(d.dialog.record().country, QStringLiteral("England"));
    QCOMPARE(d.dialog.record().city, QStringLiteral("Atlantis"));
}

void HoroscopeDialogTest::earlyDatesAndSecondsSurviveOk_data()
{
    QTest::addColumn<DateTime>("birth");
    QTest::addColumn<bool>("desktop");
    QTest::newRow("before the picker's default minimum") << DateTime(1571, 12, 27, 10, 30, 6) << false;
    QTest::newRow("desktop: before the picker's default minimum") << DateTime(1571, 12, 27, 10, 30, 6) << true;
    QTest::newRow("first stored day") << DateTime(100, 1, 1, 0, 0, 1) << false;
    QTest::newRow("last stored day") << DateTime(9999, 12, 31, 23, 59, 59) << false;
}

void HoroscopeDialogTest::earlyDatesAndSecondsSurviveOk()
{
    QFETCH(DateTime, birth);
    QFETCH(bool, desktop);
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    record.birth = birth;
    OpenDialog d(record, folder, desktop ? CHoroscopeManagerDlg::editVariant() : HoroscopeDialogVariant::handheld());
    QVERIFY(d.field<QDateEdit>("date")->text().contains(QString::number(birth.year()).rightJustified(4, u'0')));
    QCOMPARE(d.field<QTimeEdit>("time")->text(),
             QTime(birth.hour(), birth.minute(), birth.second()).toString(QStringLiteral("HH:mm:ss")));
    d.clickOk();
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(d.dialog.record().birth, birth);
}

void HoroscopeDialogTest::recordWithoutAMomentOpensOnTheClocksMoment()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    record.birth = DateTime();
    OpenDialog d(record, folder);
    QCOMPARE(d.field<QDateEdit>("date")->date(), QDate(Now.year(), Now.month(), Now.day()));
    QCOMPARE(d.field<QTimeEdit>("time")->time(), QTime(Now.hour(), Now.minute(), Now.second()));
    d.clickOk();
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(d.dialog.record().birth, Now);
}

void HoroscopeDialogTest::offsetAndClockChangeFollowTheDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<QString>("line");

    // The fixture's D zone 1 goes from MEZ (+1) to MESZ (+2) at 30.04.1916 23:00 and
    // back at 01.10.1916 01:00; the hour before each start occurs never or twice.
    QTest::newRow("summer") << QDate(1916, 7, 1) << QTime(12, 0) << "2.0000" << "";
    QTest::newRow("winter") << QDate(1916, 12, 1) << QTime(12, 0) << "1.0000" << "";
    QTest::newRow("occurs twice") << QDate(1916, 10, 1) << QTime(0, 30) << "2.0000"
                                  << "Clock change: this time occurs twice; UT+2:00 is used.";
    QTest::newRow("does not exist") << QDate(1916, 4, 30) << QTime(22, 30) << "1.0000"
                                    << "Clock change: this time does not exist; UT+1:00 is used.";
    QTest::newRow("after the repeat") << QDate(1916, 10, 1) << QTime(1, 0) << "1.0000" << "";
}

void HoroscopeDialogTest::offsetAndClockChangeFollowTheDate()
{
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, timeZone);
    QFETCH(QString, line);
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    record.birth = DateTime(1916, 3, 1, 12, 0, 0);
    OpenDialog d(record, folder);
    d.enterMoment(date, time);
    QCOMPARE(d.edit("timeZone")->text(), timeZone);
    QCOMPARE(d.dialog.clockChangeLine()->isVisible(), !line.isEmpty());
    QCOMPARE(d.dialog.clockChangeLine()->text(), line);

    d.clickOk();
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(d.dialog.record().deltaGmt, timeZone.toDouble());
}

void HoroscopeDialogTest::otherKeepsTypedValuesAndHidesTheClockChange()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder);
    d.enterMoment(QDate(1916, 10, 1), QTime(0, 30));
    QVERIFY(d.dialog.clockChangeLine()->isVisible());
    d.field<QCheckBox>("other")->click();
    QVERIFY(!d.dialog.clockChangeLine()->isVisible());
    QVERIFY(d.edit("typedCity")->isVisible() && d.edit("typedCity")->isEnabled());
    QVERIFY(!d.cities()->isVisible());
    d.edit("typedCity")->setText(QStringLiteral("Atlantis"));
    d.edit("timeZone")->setText(QStringLiteral("-3.5000"));
    d.edit("latitude")->setText(QStringLiteral("1°N"));
    d.edit("longitude")->setText(QStringLiteral("2°W"));
    // Neither a new moment nor choosing the country again brings the list's place back.
    d.enterMoment(QDate(1916, 10, 1), QTime(0, 40));
    emit d.field<QComboBox>("country")->activated(d.field<QComboBox>("country")->currentIndex());
    QVERIFY(!d.dialog.clockChangeLine()->isVisible());
    QCOMPARE(d.edit("typedCity")->text(), QStringLiteral("Atlantis"));
    QCOMPARE(d.edit("timeZone")->text(), QStringLiteral("-3.5000"));
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("1°N"));
    QCOMPARE(d.edit("longitude")->text(), QStringLiteral("2°W"));
    // Switching Other off takes the list's place over again.
    d.field<QCheckBox>("other")->click();
    QCOMPARE(d.edit("typedCity")->text(), QStringLiteral("Aachen"));
}

void HoroscopeDialogTest::unknownCityOpensAsOther()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    record.city = QStringLiteral("Atlantis");
    record.latitude = QStringLiteral("1°N");
    OpenDialog d(record, folder);
    QVERIFY(d.opened);
    QVERIFY(d.field<QCheckBox>("other")->isChecked());
    QCOMPARE(d.edit("typedCity")->text(), QStringLiteral("Atlantis"));
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("1°N"));
    d.clickOk();
    QCOMPARE(d.dialog.record().city, QStringLiteral("Atlantis"));
}

void HoroscopeDialogTest::unreadableListClosesAsCancel_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("country file") << "Country.txt";
    QTest::newRow("place file") << "Orte_D.txt";
}

void HoroscopeDialogTest::unreadableListClosesAsCancel()
{
    QFETCH(QString, file);
    TestProgramFolder folder;
    folder.damage(file);
    const HoroscopeRecord original = aachen();
    HoroscopeRecord record = original;
    RecordingMessageSink sink;
    CHoroscopeDlg dialog(record, Now, HoroscopeDialogVariant::handheld(), folder.database(), sink, nullptr);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.record(), original);
    QCOMPARE(sink.messages.size(), 1);
}

void HoroscopeDialogTest::inputPanelFollowsTheFocus()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder);
    QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
    d.edit("name")->setFocus();
    d.panel.requests.clear();
    d.edit("latitude")->setFocus();
    d.field<QDateEdit>("date")->setFocus();
    d.edit("timeZone")->setFocus();
    // Leaving a picker keeps the keyboard up for the next field.
    QCOMPARE(d.panel.requests, (QList<bool>{false, true, false, true, true}));
}

void HoroscopeDialogTest::germanCaptions_data()
{
    QTest::addColumn<QString>("control"); // a caption's field, or the control itself
    QTest::addColumn<QString>("caption");
    QTest::newRow("name") << "name" << "&Name:";
    QTest::newRow("date") << "date" << "&Datum:";
    QTest::newRow("country") << "country" << "&Land:";
    QTest::newRow("city") << "city" << "&Ort:";
    QTest::newRow("other") << "other" << "&Anderer";
    QTest::newRow("time zone") << "timeZone" << "&Zeitzone:";
    QTest::newRow("latitude") << "latitude" << "&Breite:";
    QTest::newRow("longitude") << "longitude" << "Läng&e:";
    QTest::newRow("cancel") << "cancel" << "Abbruch";
    QTest::newRow("ok") << "ok" << "OK";
    QTest::newRow("title") << "title" << "Horoskop";
}

void HoroscopeDialogTest::germanCaptions()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    const GermanInterface german({QStringLiteral("orvelgui")});
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder);
    const auto *buttons = d.dialog.findChild<QDialogButtonBox *>();
    QString shown;
    if (control == u"title")
        shown = d.dialog.windowTitle();
    else if (control == u"ok")
        shown = buttons->button(QDialogButtonBox::Ok)->text();
    else if (control == u"cancel")
        shown = buttons->button(QDialogButtonBox::Cancel)->text();
    else if (control == u"other")
        shown = d.field<QCheckBox>("other")->text();
    for (const QLabel *label : d.dialog.findChildren<QLabel *>()) {
        if (label->buddy() && label->buddy()->objectName() == control)
            shown = label->text();
    }
    QCOMPARE(shown, caption);
}

void HoroscopeDialogTest::germanMessagesKeepTheFigures()
{
    const GermanInterface german({QStringLiteral("orvelgui")});
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    record.birth = DateTime(1916, 10, 1, 0, 30, 0);
    OpenDialog d(record, folder);
    // Figures keep their point; the date has the German order and four-digit years.
    QCOMPARE(d.edit("timeZone")->text(), QStringLiteral("2.0000"));
    QCOMPARE(d.field<QDateEdit>("date")->text(), QStringLiteral("01.10.1916"));
    d.enterMoment(QDate(1916, 10, 1), QTime(0, 31));
    QCOMPARE(d.dialog.clockChangeLine()->text(),
             QStringLiteral("Zeitumstellung: Diese Uhrzeit gibt es zweimal; verwendet wird UT+2:00."));

    d.field<QCheckBox>("other")->click();
    d.retype("latitude", QStringLiteral("91"));
    d.clickOk();
    QCOMPARE(d.sink.messages, QStringList{QStringLiteral("Ungültige Koordinaten!")});
    d.retype("latitude", QStringLiteral("50,5"));
    d.retype("timeZone", QStringLiteral("1,5"));
    d.clickOk();
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(d.dialog.record().deltaGmt, 1.5);
    QCOMPARE(d.dialog.record().latitude, QStringLiteral("50,5"));
}

QTEST_MAIN(HoroscopeDialogTest)
#include "HoroscopeDialogTest.moc"
