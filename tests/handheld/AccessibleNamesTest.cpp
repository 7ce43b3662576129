// What a screen reader finds: every control a user can operate in the frame and in each
// of the handheld's dialogs has a name, the command bar's buttons their tooltips, and
// the wheel says which chart it shows.
#include "TestProgramFolder.h"

#include "handheld/CLoadDlg.h"
#include "handheld/CMainFrame.h"
#include "handheld/COrvelWinView.h"
#include "handheld/CSolarDlg.h"
#include "session/Session.h"
#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"
#include "desktop/horoscopes/CHoroscopeManagerDlg.h"
#include "gui/CHoroscopeDlg.h"
#include "gui/HoroscopeDialogVariant.h"
#include "support/AccessibleTree.h"
#include "support/RecordingSoftInputPanel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QToolBar>

using namespace orvel;

namespace {

HoroscopeRecord adaInLondon()
{
    HoroscopeRecord r;
    r.name = QStringLiteral("Ada Example");
    r.birth = DateTime(1990, 7, 1, 12, 0, 0);
    r.country = QStringLiteral("Deutschland");
    r.city = QStringLiteral("London");
    r.latitude = QStringLiteral("51°30'N");
    r.longitude = QStringLiteral("0°07'W");
    return r;
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void frameNamesEveryButtonAndTheWheel()
    {
        QTemporaryDir data;
        Clock clock;
        clock.fix(DateTime(2026, 12, 8, 14, 30, 0));
        RecordingMessageSink ui;
        RecordingSoftInputPanel panel;
        Session session(clock, ui, ui, QStringLiteral(ORVEL_PROGRAM_DIR), data.path());
        session.document.horoscopes()[0] = adaInLondon();
        CMainFrame frame(session, ui, panel, 1);
        const QStringList unnamed = AccessibleTree::unnamedControls(frame);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        for (QAction *action : frame.commandBar()->actions()) {
            if (action->isSeparator())
                continue;
            QAccessibleInterface *button = QAccessible::queryAccessibleInterface(frame.commandBar()->widgetForAction(action));
            QCOMPARE(button->text(QAccessible::Name), action->toolTip());
        }
        QTRY_COMPARE(QAccessible::queryAccessibleInterface(frame.view())->text(QAccessible::Name),
                     QStringLiteral("Radix I: Ada Example, London"));
        frame.action(CommandId::RadixII)->trigger();
        QTRY_VERIFY(QAccessible::queryAccessibleInterface(frame.view())->text(QAccessible::Name).startsWith(u"Radix II: "));
    }

    void dialogsNameEveryControl_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::newRow("horoscope, handheld") << 0;
        QTest::newRow("horoscope, desktop") << 1;
        QTest::newRow("horoscope, other place") << 2;
        QTest::newRow("solar") << 3;
        QTest::newRow("load") << 4;
    }
    void dialogsNameEveryControl()
    {
        QFETCH(int, dialog);
        TestProgramFolder folder;
        RecordingMessageSink ui;
        RecordingSoftInputPanel panel;
        Clock clock;
        HoroscopeRecord record = adaInLondon();
        std::vector<HoroscopeRecord> list{record, record};
        std::unique_ptr<QDialog> window;
        if (dialog <= 2) {
            auto horoscope = std::make_unique<CHoroscopeDlg>(
                record, record.birth, dialog == 1 ? CHoroscopeManagerDlg::editVariant() : HoroscopeDialogVariant::handheld(),
                folder.database(), ui, &panel);
            QVERIFY(horoscope->OnInitDialog());
            if (dialog == 2) { // the typed city's field stands in for the list
                horoscope->findChild<QCheckBox *>(QStringLiteral("other"))->click();
                horoscope->show();
                QCOMPARE(QAccessible::queryAccessibleInterface(horoscope->findChild<QLineEdit *>(QStringLiteral("typedCity")))
                             ->text(QAccessible::Name),
                         QStringLiteral("City:"));
            }
            QCOMPARE(QAccessible::queryAccessibleInterface(horoscope->findChild<QTimeEdit *>(QStringLiteral("time")))
                         ->text(QAccessible::Name),
                     QStringLiteral("Time:"));
            window = std::move(horoscope);
        } else if (dialog == 3) {
            auto solar = std::make_unique<CSolarDlg>(record, folder.database(), clock, ui, panel);
            QVERIFY(solar->OnInitDialog());
            window = std::move(solar);
        } else {
            window = std::make_unique<CLoadDlg>(list, ChartMode::RadixI);
        }
        const QStringList unnamed = AccessibleTree::unnamedControls(*window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
