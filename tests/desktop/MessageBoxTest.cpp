#include "gui/DialogMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace orvel;

// The message boxes the desktop program shows for the core: failures and successes
// told apart by their icon.
class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void iconFollowsTheSeverity_data();
    void iconFollowsTheSeverity();
};

void MessageBoxTest::iconFollowsTheSeverity_data()
{
    QTest::addColumn<bool>("success");
    QTest::addColumn<int>("icon");
    QTest::newRow("failure") << false << int(QMessageBox::Critical);
    QTest::newRow("success") << true << int(QMessageBox::Information);
}

void MessageBoxTest::iconFollowsTheSeverity()
{
    QFETCH(bool, success);
    QFETCH(int, icon);
    DialogMessageSink sink(QStringLiteral("OrvelWinConfig"));
    const QString text = success ? QStringLiteral("3 horoscopes exported.")
                                 : QStringLiteral("Cannot write /media/card/horoskop.xml: Read-only file system");
    int shownIcon = -1;
    QString shownText;
    QString shownCaption;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownIcon = box->icon();
        shownText = box->text();
        shownCaption = box->windowTitle();
        box->accept();
    });
    if (success)
        sink.showInformation(text);
    else
        sink.showMessage(text);
    QCOMPARE(shownIcon, icon);
    QCOMPARE(shownText, text);
    QCOMPARE(shownCaption, QStringLiteral("OrvelWinConfig"));
}

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
