// The horoscope edit dialog on the fixture place database, driven through its
// controls: coordinate checks, the one-letter city reload, the offset and clock-change
// line following the date, Other, and the lists that cannot be read.
#include "TestProgramFolder.h"

#include "platform/RecordingMessageSink.h"
#include "platform/gui/CHoroscopeDlg.h"
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

namespace {

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
        : dialog(record, variant, folder.database(), sink, &panel)
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
    void fieldsStoredBeforeAFailingCheckSurviveCancel();
    void oneLetterReloadsTheCities();
    void offsetAndClockChangeFollowTheDate_data();
    void offsetAndClockChangeFollowTheDate();
    void otherKeepsTypedValuesAndHidesTheClockChange();
    void unknownCityOpensAsOther();
    void unreadableListClosesAsCancel_data();
    void unreadableListClosesAsCancel();
    void inputPanelFollowsTheFocus();
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
    QCOMPARE(d.field<QTimeEdit>("time")->displayFormat(), QStringLiteral("HH:mm"));
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
    QTest::newRow("empty reads as zero") << "" << "" << "" << false;
    QTest::newRow("desktop: seconds at the latitude limit") << "90 0 30" << "0" << "" << true;
    QTest::newRow("desktop: minutes at the latitude limit") << "90 1" << "0" << "latitude" << true;
    QTest::newRow("desktop: beyond the latitude limit") << "91" << "0" << "latitude" << true;
    QTest::newRow("desktop: empty") << "" << "" << "" << true;
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
    OpenDialog d(record, folder, desktop ? HoroscopeDialogVariant::desktop() : HoroscopeDialogVariant::handheld());
    d.field<QCheckBox>("other")->click();
    d.retype("latitude", latitude);
    d.retype("longitude", longitude);
    d.clickOk();

    if (faulty.isEmpty()) {
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QVERIFY(d.sink.messages.isEmpty());
        QCOMPARE(record.latitude, latitude);
        QCOMPARE(record.longitude, longitude);
    } else {
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.sink.messages, QStringList{QStringLiteral("Invalid coordinates!")});
        QCOMPARE(QApplication::focusWidget(), d.edit(faulty.toLatin1().constData()));
    }
}

void HoroscopeDialogTest::fieldsStoredBeforeAFailingCheckSurviveCancel()
{
    TestProgramFolder folder;
    HoroscopeRecord record = aachen();
    OpenDialog d(record, folder);
    d.field<QCheckBox>("other")->click();
    d.retype("name", QStringLiteral("Bea"));
    d.retype("typedCity", QStringLiteral("Atlantis"));
    d.retype("timeZone", QStringLiteral("3,5"));
    d.retype("latitude", QStringLiteral("10"));
    d.retype("longitude", QStringLiteral("181"));
    d.clickOk();
    d.dialog.reject();

    QCOMPARE(record.name, QStringLiteral("Bea"));
    QCOMPARE(record.city, QStringLiteral("Atlantis"));
    QCOMPARE(record.deltaGmt, 3.0); // read as far as it is a number
    QCOMPARE(record.latitude, QStringLiteral("10"));
    QCOMPARE(record.longitude, QStringLiteral("6°05'E"));
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
    QCOMPARE(d.cities()->currentText(), QStringLiteral("a"));
    QCOMPARE(d.edit("typedCity")->text(), QStringLiteral("Aachen"));
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("50°47'N"));
    QCOMPARE(d.edit("timeZone")->text(), QStringLiteral("2.0000"));

    // A second letter neither reloads nor takes over; choosing takes over.
    d.edit("latitude")->setText(QStringLiteral("unchanged"));
    QTest::keyClicks(d.cities()->lineEdit(), QStringLiteral("u"));
    QCOMPARE(d.cities()->count(), 2);
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("unchanged"));
    d.cities()->setCurrentIndex(1);
    emit d.cities()->activated(1);
    QCOMPARE(d.edit("typedCity")->text(), QStringLiteral("Augsburg"));
    QCOMPARE(d.edit("latitude")->text(), QStringLiteral("48°22'N"));
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
    QCOMPARE(record.deltaGmt, timeZone.toDouble());
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
    QCOMPARE(record.city, QStringLiteral("Atlantis"));
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
    CHoroscopeDlg dialog(record, HoroscopeDialogVariant::handheld(), folder.database(), sink, nullptr);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(record, original);
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

QTEST_MAIN(HoroscopeDialogTest)
#include "HoroscopeDialogTest.moc"
