#include "listctrl/BaseListCtrl.h"

#include <QTest>

namespace {
// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};
} // namespace

class BaseListCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void makePrintable_data();
    void makePrintable();
    void setItemTextCleansACopy();
    void setItemTextOutsideTheList();
    void recordFormCleansTheCallersBuffer();
    void recordFormAppliesOnlyTheMaskedFields();
    void firstColumnOfNewRowsIsCleaned_data();
    void firstColumnOfNewRowsIsCleaned();
    void insertionRepaintsOnlyOnTheVisiblePage();
};

void BaseListCtrlTest::makePrintable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printable");
    QTest::newRow("tab and line feed") << QStringLiteral("a\tb\nc") << QStringLiteral("a b c");
    QTest::newRow("only blanks and controls") << QStringLiteral(" \t\r\n\x01") << QStringLiteral("     ");
    QTest::newRow("non-ASCII kept") << QStringLiteral("Zürich\x1f€!") << QStringLiteral("Zürich €!");
    QTest::newRow("empty") << QString() << QString();
}

void BaseListCtrlTest::makePrintable()
{
    QFETCH(QString, text);
    QFETCH(QString, printable);
    QString argument = text;
    QCOMPARE(CBaseListCtrl::MakePrintable(argument), printable);
    QCOMPARE(argument, printable);
    QCOMPARE(argument.size(), text.size());
}

void BaseListCtrlTest::setItemTextCleansACopy()
{
    CBaseListCtrl list;
    list.setColumnCount(2);
    list.setRowCount(1);
    const QString text = QStringLiteral("a\tb\nc");
    QVERIFY(list.SetItemText(0, 1, text)); // the cell has no item yet
    QCOMPARE(list.item(0, 1)->text(), QStringLiteral("a b c"));
    QCOMPARE(text, QStringLiteral("a\tb\nc"));
    QVERIFY(list.SetItem(0, 1, ListViewItem::Text, text, 0, 0, 0, 0));
    QCOMPARE(list.item(0, 1)->text(), QStringLiteral("a b c"));
    QCOMPARE(text, QStringLiteral("a\tb\nc"));
}

void BaseListCtrlTest::setItemTextOutsideTheList()
{
    CBaseListCtrl list;
    list.setColumnCount(2);
    list.setRowCount(1);
    QVERIFY(!list.SetItemText(1, 0, QStringLiteral("x")));
    QVERIFY(!list.SetItemText(0, 2, QStringLiteral("x")));
    QVERIFY(!list.SetItemText(-1, 0, QStringLiteral("x")));
    ListViewItem record{ListViewItem::Text, 0, 5, QStringLiteral("x"), 0, 0, 0, 0};
    QVERIFY(!list.SetItem(&record));
    QVERIFY(!list.SetItem(nullptr));
}

void BaseListCtrlTest::recordFormCleansTheCallersBuffer()
{
    CBaseListCtrl list;
    list.setColumnCount(2);
    list.setRowCount(1);
    ListViewItem record{ListViewItem::Text, 0, 1, QStringLiteral("x\ry"), 0, 0, 0, 0};
    QVERIFY(list.SetItem(&record));
    QCOMPARE(record.text, QStringLiteral("x y"));
    QCOMPARE(list.item(0, 1)->text(), QStringLiteral("x y"));
}

void BaseListCtrlTest::recordFormAppliesOnlyTheMaskedFields()
{
    CBaseListCtrl list;
    list.setColumnCount(2);
    list.setRowCount(2);
    list.SetItemText(1, 1, QStringLiteral("kept"));
    ListViewItem record{ListViewItem::Image | ListViewItem::Param | ListViewItem::State, 1, 1,
                        QStringLiteral("ignored"), 7, ListViewItem::Selected | ListViewItem::Focused,
                        ListViewItem::Selected | ListViewItem::Focused, 42};
    QVERIFY(list.SetItem(&record));
    QCOMPARE(list.item(1, 1)->text(), QStringLiteral("kept"));
    QCOMPARE(list.item(1, 1)->data(CBaseListCtrl::ImageRole).toInt(), 7);
    QCOMPARE(list.item(1, 0)->data(CBaseListCtrl::ParamRole).value<qintptr>(), qintptr(42));
    QVERIFY(list.selectionModel()->isRowSelected(1, QModelIndex()));
    QCOMPARE(list.currentRow(), 1);
}

void BaseListCtrlTest::firstColumnOfNewRowsIsCleaned_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("insertRow, then setItem") << 0;
    QTest::newRow("setRowCount, then setText") << 1;
    QTest::newRow("SetItemText") << 2;
}

void BaseListCtrlTest::firstColumnOfNewRowsIsCleaned()
{
    QFETCH(int, way);
    CBaseListCtrl list;
    list.setColumnCount(2);
    const QString text = QStringLiteral("Mars\tII\n");
    switch (way) {
    case 0:
        list.insertRow(0);
        list.setItem(0, 0, new QTableWidgetItem(text));
        break;
    case 1:
        list.setRowCount(1);
        list.setItem(0, 0, new QTableWidgetItem);
        list.item(0, 0)->setText(text);
        break;
    default:
        list.setRowCount(1);
        list.SetItemText(0, 0, text);
    }
    QCOMPARE(list.item(0, 0)->text(), QStringLiteral("Mars II "));
}

void BaseListCtrlTest::insertionRepaintsOnlyOnTheVisiblePage()
{
    CBaseListCtrl list;
    list.setColumnCount(1);
    list.setRowCount(100);
    list.resize(200, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCoreApplication::processEvents();
    PaintCounter paints;
    list.viewport()->installEventFilter(&paints);

    list.insertRow(90); // far below the visible page: painted later, if ever
    QCOMPARE(paints.count, 0);
    list.insertRow(1);
    QVERIFY(paints.count > 0); // at once, without returning to the event loop
}

QTEST_MAIN(BaseListCtrlTest)
#include "BaseListCtrlTest.moc"
