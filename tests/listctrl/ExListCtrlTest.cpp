#include "listctrl/ExListCtrl.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {
struct Edit {
    int item;
    int column;
    QString text;
    QString cellText; // what the cell held when the signal came
};

// A shown, active list of `rows` rows and `columns` columns of 100 pixels that records
// every subItemEdited.
struct Fixture {
    CExListCtrl list;
    QList<Edit> edits;

    explicit Fixture(int rows = 6, int columns = 4, int width = 460)
    {
        list.setColumnCount(columns);
        list.setRowCount(rows);
        for (int c = 0; c < columns; ++c) {
            list.setColumnWidth(c, 100);
            for (int r = 0; r < rows; ++r)
                list.SetItemText(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
        }
        list.resize(width, 200);
        QObject::connect(&list, &CExListCtrl::subItemEdited,
                         [this](CExListCtrl *, int item, int column, const QString &text) {
                             edits.append({item, column, text, list.item(item, column)->text()});
                         });
        list.show();
        list.activateWindow();
    }

    bool ready() { return QTest::qWaitForWindowActive(&list); }

    QPoint cellCentre(int row, int column) const
    {
        return list.visualRect(list.model()->index(row, column)).center();
    }

    void click(int row, int column)
    {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cellCentre(row, column));
    }

    // The editor shown over a cell, if any.
    QWidget *editor() const
    {
        QWidget *shown = nullptr;
        for (QWidget *w : list.viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (w->isVisible())
                shown = w;
        }
        return shown;
    }

    int editorColumn() const { return list.indexAt(editor()->geometry().center()).column(); }
};
} // namespace

class ExListCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void clickOpensAnEditorOnlyWhereAllowed_data();
    void clickOpensAnEditorOnlyWhereAllowed();
    void f2OpensTheFirstEditableColumn_data();
    void f2OpensTheFirstEditableColumn();
    void textEditorSelectsTheOldTextAlignedLikeItsColumn_data();
    void textEditorSelectsTheOldTextAlignedLikeItsColumn();
    void enterStoresThePrintableTextThenSignals();
    void escapeChangesNothing();
    void focusLossAndScrollingEndTheEdit();
    void oneEditorAtATime();
    void editorCoversTheWholeColumn_data();
    void editorCoversTheWholeColumn();
    void hitTestFindsItemAndColumn();
    void listEditorTakesTheCellsChoices_data();
    void listEditorTakesTheCellsChoices();
    void listLeftWithoutChoiceChangesNothing();
    void treeEditorChoosesAPath();
    void dateEditorShowsAndStoresTheDate();
    void dateEditorKeepsEveryStoredYear_data();
    void dateEditorKeepsEveryStoredYear();
    void statusesFollowDeletedRows();
    void clearingAComboColumnDropsItsChoicesAndStatuses();
    void unresizableColumnRefusesTheUser_data();
    void unresizableColumnRefusesTheUser();
    void deleteKeyTellsTheOwner();
    void findWalksTheMatchesThenReportsAMiss_data();
    void findWalksTheMatchesThenReportsAMiss();
    void readOnlyRowsTakeTheReadOnlyColour();
};

void ExListCtrlTest::clickOpensAnEditorOnlyWhereAllowed_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("opens");
    QTest::newRow("text cell") << 1 << 100 << "" << true;
    QTest::newRow("column 0") << 0 << 100 << "" << false;
    QTest::newRow("read-only column") << 1 << 100 << "column" << false;
    QTest::newRow("read-only item") << 1 << 100 << "item" << false;
    QTest::newRow("read-only cell") << 1 << 100 << "cell" << false;
    QTest::newRow("other cell of a read-only cell's row") << 2 << 100 << "cell" << true;
    QTest::newRow("edit labels off") << 1 << 100 << "labels" << false;
    QTest::newRow("column 4 pixels wide") << 1 << 4 << "" << false;
    QTest::newRow("column 5 pixels wide") << 1 << 5 << "" << true;
}

void ExListCtrlTest::clickOpensAnEditorOnlyWhereAllowed()
{
    QFETCH(int, column);
    QFETCH(int, width);
    QFETCH(QString, setup);
    QFETCH(bool, opens);
    Fixture f;
    QVERIFY(f.ready());
    f.list.setColumnWidth(1, width);
    if (setup == "column")
        f.list.SetReadOnlyColumn(1);
    else if (setup == "item")
        f.list.SetReadOnlyItem(2);
    else if (setup == "cell")
        f.list.SetReadOnlySubItem(2, 1);
    else if (setup == "labels")
        f.list.SetEditLabels(false);
    f.click(2, column);
    QCOMPARE(f.list.currentRow(), 2);
    QCOMPARE(f.editor() != nullptr, opens);
    if (opens) {
        QVERIFY(qobject_cast<QLineEdit *>(f.editor()));
        QCOMPARE(QApplication::focusWidget(), f.editor());
    }
}

void ExListCtrlTest::f2OpensTheFirstEditableColumn_data()
{
    QTest::addColumn<QString>("readOnly");
    QTest::addColumn<int>("expected"); // -1: no editor
    QTest::newRow("nothing read-only") << "" << 1;
    QTest::newRow("column 1 read-only") << "column" << 2;
    QTest::newRow("cell 1 read-only") << "cell" << 2;
    QTest::newRow("columns 1 to 3 read-only") << "all" << -1;
}

void ExListCtrlTest::f2OpensTheFirstEditableColumn()
{
    QFETCH(QString, readOnly);
    QFETCH(int, expected);
    Fixture f;
    QVERIFY(f.ready());
    if (readOnly == "column") {
        f.list.SetReadOnlyColumn(1);
    } else if (readOnly == "cell") {
        f.list.SetReadOnlySubItem(3, 1);
    } else if (readOnly == "all") {
        f.list.SetReadOnlyColumn(1);
        f.list.SetReadOnlySubItem(3, 2);
        f.list.SetReadOnlyColumn(3);
    }
    f.list.setCurrentCell(3, 0);
    QTest::keyClick(&f.list, Qt::Key_F2);
    if (expected < 0) {
        QVERIFY(!f.editor());
        return;
    }
    QVERIFY(f.editor());
    QCOMPARE(f.editorColumn(), expected);
}

void ExListCtrlTest::textEditorSelectsTheOldTextAlignedLikeItsColumn_data()
{
    QTest::addColumn<QString>("opening"); // click, F2 or call
    QTest::addColumn<int>("cellAlignment"); // 0: none set
    QTest::addColumn<int>("headerAlignment");
    QTest::addColumn<int>("expected");
    QTest::newRow("click, centred cells") << "click" << int(Qt::AlignHCenter) << 0 << int(Qt::AlignHCenter);
    QTest::newRow("F2, right-aligned cells") << "F2" << int(Qt::AlignRight) << 0 << int(Qt::AlignRight);
    QTest::newRow("call, header right, cells unset") << "call" << 0 << int(Qt::AlignRight) << int(Qt::AlignRight);
    QTest::newRow("call, cells win over the header") << "call" << int(Qt::AlignLeft) << int(Qt::AlignRight)
                                                     << int(Qt::AlignLeft);
    QTest::newRow("click, nothing set") << "click" << 0 << 0 << int(Qt::AlignLeft);
}

void ExListCtrlTest::textEditorSelectsTheOldTextAlignedLikeItsColumn()
{
    QFETCH(QString, opening);
    QFETCH(int, cellAlignment);
    QFETCH(int, headerAlignment);
    QFETCH(int, expected);
    Fixture f;
    QVERIFY(f.ready());
    if (headerAlignment) {
        f.list.setHorizontalHeaderItem(1, new QTableWidgetItem(QStringLiteral("Value")));
        f.list.horizontalHeaderItem(1)->setTextAlignment(Qt::Alignment(headerAlignment));
    }
    if (cellAlignment)
        f.list.item(2, 1)->setTextAlignment(Qt::Alignment(cellAlignment) | Qt::AlignVCenter);
    if (opening == "click") {
        f.click(2, 1);
    } else if (opening == "F2") {
        f.list.setCurrentCell(2, 0);
        QTest::keyClick(&f.list, Qt::Key_F2);
    } else {
        f.list.EditSubLabel(2, 1);
    }
    auto *edit = qobject_cast<QLineEdit *>(f.editor());
    QVERIFY(edit);
    QCOMPARE(int(edit->alignment() & Qt::AlignHorizontal_Mask), expected);
    QCOMPARE(edit->selectedText(), QStringLiteral("r2c1"));
    // Typing replaces the old value instead of adding to it.
    QTest::keyClick(edit, Qt::Key_7);
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE(f.list.item(2, 1)->text(), QStringLiteral("7"));
}

void ExListCtrlTest::enterStoresThePrintableTextThenSignals()
{
    Fixture f;
    QVERIFY(f.ready());
    auto *edit = qobject_cast<QLineEdit *>(f.list.EditSubLabel(1, 2));
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("r1c2"));
    edit->setText(QStringLiteral("a\tb"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE(f.edits.size(), 1);
    QCOMPARE(f.edits[0].item, 1);
    QCOMPARE(f.edits[0].column, 2);
    QCOMPARE(f.edits[0].text, QStringLiteral("a b"));
    QCOMPARE(f.edits[0].cellText, QStringLiteral("a b"));
    QVERIFY(!f.editor());
}

void ExListCtrlTest::escapeChangesNothing()
{
    Fixture f;
    QVERIFY(f.ready());
    auto *edit = qobject_cast<QLineEdit *>(f.list.EditSubLabel(1, 2));
    QVERIFY(edit);
    QTest::keyClicks(edit, QStringLiteral("neu"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(!f.editor());
    QCOMPARE(f.list.item(1, 2)->text(), QStringLiteral("r1c2"));
    QVERIFY(f.edits.isEmpty());
}

void ExListCtrlTest::focusLossAndScrollingEndTheEdit()
{
    Fixture f(40);
    QVERIFY(f.ready());
    auto *edit = qobject_cast<QLineEdit *>(f.list.EditSubLabel(0, 1));
    QVERIFY(edit);
    edit->setText(QStringLiteral("focus"));
    f.list.setFocus();
    QTRY_COMPARE(f.list.item(0, 1)->text(), QStringLiteral("focus"));
    QCOMPARE(f.edits.size(), 1);

    edit = qobject_cast<QLineEdit *>(f.list.EditSubLabel(0, 2));
    QVERIFY(edit);
    edit->setText(QStringLiteral("scroll"));
    f.list.verticalScrollBar()->setValue(10);
    QCOMPARE(f.list.item(0, 2)->text(), QStringLiteral("scroll"));
    QCOMPARE(f.edits.size(), 2);
    QVERIFY(!f.editor());
}

void ExListCtrlTest::oneEditorAtATime()
{
    Fixture f;
    QVERIFY(f.ready());
    auto *first = qobject_cast<QLineEdit *>(f.list.EditSubLabel(0, 1));
    QVERIFY(first);
    first->setText(QStringLiteral("first"));
    QWidget *second = f.list.EditSubLabel(1, 1);
    QVERIFY(second);
    QCOMPARE(f.list.item(0, 1)->text(), QStringLiteral("first"));
    QCOMPARE(f.edits.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(f.editor(), second);
    QCOMPARE(f.list.currentRow(), 1);
}

void ExListCtrlTest::editorCoversTheWholeColumn_data()
{
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<int>("startScroll");
    QTest::addColumn<int>("column");
    QTest::newRow("column cut off on the right, EditSubLabel") << false << 0 << 2;
    QTest::newRow("column cut off on the right, click") << true << 0 << 2;
    QTest::newRow("column cut off on the left") << false << 150 << 1;
}

void ExListCtrlTest::editorCoversTheWholeColumn()
{
    QFETCH(bool, byClick);
    QFETCH(int, startScroll);
    QFETCH(int, column);
    Fixture f(6, 4, 250);
    QVERIFY(f.ready());
    f.list.horizontalScrollBar()->setValue(startScroll);
    const int before = f.list.columnViewportPosition(column);
    if (byClick)
        QTest::mouseClick(f.list.viewport(), Qt::LeftButton, {}, QPoint(before + 10, f.cellCentre(1, column).y()));
    else
        f.list.EditSubLabel(1, column);
    QVERIFY(f.editor());
    const int left = f.list.columnViewportPosition(column);
    const int client = f.list.viewport()->width();
    if (before < 0)
        QCOMPARE(left, 0);
    else
        QCOMPARE(left + 100, client); // scrolled just enough
    QCOMPARE(f.editor()->geometry(), f.list.visualRect(f.list.model()->index(1, column)));
}

void ExListCtrlTest::hitTestFindsItemAndColumn()
{
    Fixture f;
    QVERIFY(f.ready());
    const int y = f.cellCentre(2, 0).y();
    int column = -1;
    QCOMPARE(f.list.HitTestEx(QPoint(150, y), &column), 2);
    QCOMPARE(column, 1);
    QCOMPARE(f.list.HitTestEx(QPoint(100, y), &column), 2); // a divider belongs to the left column
    QCOMPARE(column, 0);
    QCOMPARE(f.list.HitTestEx(QPoint(430, y), &column), -1); // right of the last column
    QCOMPARE(f.list.HitTestEx(QPoint(150, 190), &column), -1); // below the last row
    f.list.resize(250, 200);
    f.list.horizontalScrollBar()->setValue(120);
    QCOMPARE(f.list.HitTestEx(QPoint(10, y), &column), 2);
    QCOMPARE(column, 1);
}

void ExListCtrlTest::listEditorTakesTheCellsChoices_data()
{
    QTest::addColumn<bool>("sort");
    QTest::addColumn<bool>("cellChoices");
    QTest::addColumn<int>("stored"); // -2: no status
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("current");
    const QStringList column = {"Wasser", "Feuer", "Luft"};
    QTest::newRow("column choices, no status") << false << false << -2 << column << -1;
    QTest::newRow("column choices sorted") << true << false << 0 << QStringList{"Feuer", "Luft", "Wasser"} << 0;
    QTest::newRow("stored choice") << false << false << 2 << column << 2;
    QTest::newRow("the cell's own choices, unsorted") << true << true << 1 << QStringList{"B", "A"} << 1;
}

void ExListCtrlTest::listEditorTakesTheCellsChoices()
{
    QFETCH(bool, sort);
    QFETCH(bool, cellChoices);
    QFETCH(int, stored);
    QFETCH(QStringList, shown);
    QFETCH(int, current);
    Fixture f;
    QVERIFY(f.ready());
    QStringList choices = {"Wasser", "Feuer", "Luft"};
    f.list.SetComboColumn(2, &choices, true, sort);
    if (cellChoices) {
        const CComboSubitemsList own({"B", "A"}, 1, 2);
        f.list.AddComboItems(1, 2, &own);
    }
    if (stored > -2)
        f.list.AddComboStatus(1, 2, stored, shown.value(stored));
    auto *combo = qobject_cast<QComboBox *>(f.list.EditSubLabel(1, 2));
    QVERIFY(combo);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items, shown);
    QCOMPARE(combo->currentIndex(), current);
    int selected = -5;
    QVERIFY(f.list.GetSelectedItem(1, 2, selected)); // a status exists once the editor opens

    combo->setCurrentIndex(shown.size() - 1);
    QTest::keyClick(combo, Qt::Key_Return);
    QTRY_COMPARE(f.edits.size(), 1);
    QCOMPARE(f.list.item(1, 2)->text(), shown.last());
    QString text;
    QVERIFY(f.list.GetSelectedItem(1, 2, selected));
    QVERIFY(f.list.GetSelectedItem(1, 2, text));
    QCOMPARE(selected, shown.size() - 1);
    QCOMPARE(text, shown.last());
}

void ExListCtrlTest::listLeftWithoutChoiceChangesNothing()
{
    Fixture f;
    QVERIFY(f.ready());
    QStringList choices = {"Wasser", "Feuer"};
    f.list.SetComboColumn(2, &choices);
    auto *combo = qobject_cast<QComboBox *>(f.list.EditSubLabel(1, 2));
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), -1); // "r1c2" is no choice
    QTest::keyClick(combo, Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(!f.editor());
    QCOMPARE(f.list.item(1, 2)->text(), QStringLiteral("r1c2"));
    QVERIFY(f.edits.isEmpty());

    // A combo column without any choices opens no editor.
    QStringList none;
    f.list.SetComboColumn(3, &none);
    QVERIFY(!f.list.EditSubLabel(1, 3));
}

void ExListCtrlTest::treeEditorChoosesAPath()
{
    Fixture f;
    QVERIFY(f.ready());
    QStringList paths = {"Europa\\Deutschland\\Berlin", "Europa\\Deutschland\\Bonn", "Amerika\\Houston"};
    f.list.SetComboTreeColumn(3, &paths);
    f.list.AddComboStatus(2, 3, 0, paths[0]);
    auto *tree = qobject_cast<QComboBox *>(f.list.EditSubLabel(2, 3));
    QVERIFY(tree);
    QCOMPARE(tree->currentText(), QStringLiteral("Berlin"));

    const QModelIndexList bonn = tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole,
                                                      QStringLiteral("Bonn"), 1, Qt::MatchRecursive);
    QCOMPARE(bonn.size(), 1);
    tree->setRootModelIndex(bonn[0].parent());
    tree->setCurrentIndex(bonn[0].row());
    QTest::keyClick(tree, Qt::Key_Return);
    QTRY_COMPARE(f.edits.size(), 1);
    QCOMPARE(f.list.item(2, 3)->text(), paths[1]);
    int selected = -1;
    QVERIFY(f.list.GetSelectedItem(2, 3, selected));
    QCOMPARE(selected, 1);
}

void ExListCtrlTest::dateEditorShowsAndStoresTheDate()
{
    Fixture f;
    QVERIFY(f.ready());
    f.list.SetDateColumn(1);
    f.list.AddDateStatus(4, 1, QDateTime(QDate(2001, 2, 3), QTime(10, 30)));
    auto *date = qobject_cast<QDateEdit *>(f.list.EditSubLabel(4, 1));
    QVERIFY(date);
    QCOMPARE(date->date(), QDate(2001, 2, 3));
    date->setDate(QDate(2004, 5, 6));
    QTest::keyClick(date, Qt::Key_Return);
    QTRY_COMPARE(f.edits.size(), 1);
    QCOMPARE(f.list.item(4, 1)->text(), QStringLiteral("06.05.2004"));
    QDateTime stored;
    QVERIFY(f.list.GetDateItem(4, 1, stored));
    QCOMPARE(stored, QDateTime(QDate(2004, 5, 6), QTime(10, 30)));

    // A cell without a date gets one stored before its editor opens.
    QVERIFY(!f.list.GetDateItem(5, 1, stored));
    QVERIFY(f.list.EditSubLabel(5, 1));
    QVERIFY(f.list.GetDateItem(5, 1, stored));
}

void ExListCtrlTest::dateEditorKeepsEveryStoredYear_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("before the widget's default minimum") << QDate(1571, 12, 27) << "27.12.1571";
    QTest::newRow("first") << QDate(100, 1, 1) << "01.01.0100";
    QTest::newRow("last") << QDate(9999, 12, 31) << "31.12.9999";
}

void ExListCtrlTest::dateEditorKeepsEveryStoredYear()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    Fixture f;
    QVERIFY(f.ready());
    f.list.SetDateColumn(1);
    f.list.AddDateStatus(2, 1, QDateTime(date, QTime(8, 0)));
    auto *editor = qobject_cast<QDateEdit *>(f.list.EditSubLabel(2, 1));
    QVERIFY(editor);
    QCOMPARE(editor->date(), date);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(f.edits.size(), 1);
    QCOMPARE(f.list.item(2, 1)->text(), text);
    QDateTime stored;
    QVERIFY(f.list.GetDateItem(2, 1, stored));
    QCOMPARE(stored.date(), date);
}

void ExListCtrlTest::statusesFollowDeletedRows()
{
    Fixture f(7);
    QStringList choices = {"a"};
    const CComboSubitemsList own({"x"}, 3, 2);
    f.list.AddComboItems(3, 2, &own);
    f.list.SetComboColumn(2, &choices);
    f.list.SetReadOnlySubItem(3, 1);
    for (int item : {2, 3, 5}) {
        f.list.AddComboStatus(item, 2, item, QString::number(item));
        f.list.AddDateStatus(item, 1, QDateTime(QDate(2000, 1, item), QTime(0, 0)));
    }
    f.list.removeRow(2);

    int selected = -1;
    QVERIFY(f.list.GetSelectedItem(2, 2, selected));
    QCOMPARE(selected, 3);
    QVERIFY(f.list.GetSelectedItem(4, 2, selected));
    QCOMPARE(selected, 5);
    QVERIFY(!f.list.GetSelectedItem(3, 2, selected));
    QVERIFY(!f.list.GetSelectedItem(5, 2, selected));
    QDateTime date;
    QVERIFY(f.list.GetDateItem(4, 1, date));
    QCOMPARE(date.date(), QDate(2000, 1, 5));
    QVERIFY(!f.list.GetDateItem(5, 1, date));
    // Choice records and read-only cells stay where they were.
    CComboSubitemsList kept;
    QVERIFY(f.list.GetComboItems(3, 2, &kept));
    QVERIFY(f.list.IsSubitemReadOnly(3, 1));

    f.list.RemoveComboStatus(2, -1);
    QVERIFY(f.list.GetSelectedItem(3, 2, selected));
    QCOMPARE(selected, 5);

    f.list.setRowCount(0);
    QVERIFY(!f.list.GetSelectedItem(3, 2, selected));
    QVERIFY(!f.list.GetDateItem(3, 1, date));
}

void ExListCtrlTest::clearingAComboColumnDropsItsChoicesAndStatuses()
{
    Fixture f;
    QStringList first = {"a"};
    QStringList second = {"b"};
    f.list.SetComboColumn(1, &first);
    f.list.SetComboColumn(2, &second);
    f.list.AddComboStatus(0, 1, 0, "a");
    f.list.AddComboStatus(0, 2, 0, "b");
    f.list.SetComboColumn(1, nullptr, false);

    CComboItemsList record;
    QVERIFY(!f.list.GetComboItems(1, &record));
    QVERIFY(f.list.GetComboItems(2, &record));
    QCOMPARE(record.items, second);
    int selected = -1;
    QVERIFY(!f.list.GetSelectedItem(0, 1, selected));
    QVERIFY(f.list.GetSelectedItem(0, 2, selected));
    QVERIFY(qobject_cast<QLineEdit *>(f.list.EditSubLabel(0, 1))); // a text column again
}

void ExListCtrlTest::unresizableColumnRefusesTheUser_data()
{
    QTest::addColumn<bool>("unresizable");
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("drag, unresizable") << true << false;
    QTest::newRow("drag, resizable") << false << false;
    QTest::newRow("double click, unresizable") << true << true;
    QTest::newRow("double click, resizable") << false << true;
}

void ExListCtrlTest::unresizableColumnRefusesTheUser()
{
    QFETCH(bool, unresizable);
    QFETCH(bool, doubleClick);
    CExListCtrl list;
    list.SetUnresizableColumn(1, unresizable); // before the column exists
    list.setColumnCount(3);
    list.setRowCount(1);
    list.SetItemText(0, 1, QStringLiteral("x"));
    list.setColumnWidth(1, 100);
    list.resize(400, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QHeaderView *header = list.horizontalHeader();
    const QPoint divider(header->sectionViewportPosition(1) + 99, header->height() / 2);
    if (doubleClick) {
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, divider);
    } else {
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, divider);
        QTest::mouseMove(header->viewport(), divider + QPoint(60, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, divider + QPoint(60, 0));
    }
    QCOMPARE(list.columnWidth(1) == 100, unresizable);
}

void ExListCtrlTest::deleteKeyTellsTheOwner()
{
    Fixture f;
    QVERIFY(f.ready());
    int presses = 0;
    connect(&f.list, &CExListCtrl::deleteKeyPressed, this, [&](CExListCtrl *list) {
        QCOMPARE(list, &f.list);
        ++presses;
    });
    QTest::keyClick(&f.list, Qt::Key_Delete);
    QCOMPARE(presses, 1);
    QCOMPARE(f.list.rowCount(), 6); // the owner decides what goes
}

void ExListCtrlTest::findWalksTheMatchesThenReportsAMiss_data()
{
    QTest::addColumn<bool>("german"); // with the library's German catalogue
    // The dialog's title, direction group, its two choices, its two buttons; the context
    // menu's entry; the message of a miss.
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << false
                             << QStringList{"Find", "Direction", "&Up", "&Down", "&Find", "&Cancel", "&Find...",
                                            "Cannot find 'mars'!"};
    QTest::newRow("German") << true
                            << QStringList{"Suchen", "Richtung", "Hina&uf", "Hina&b", "&Suchen", "Abbre&chen",
                                           "&Suchen", "Kann 'mars' nicht finden!"};
}

void ExListCtrlTest::findWalksTheMatchesThenReportsAMiss()
{
    QFETCH(bool, german);
    QFETCH(QStringList, texts);
    QTranslator translator;
    if (german) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/tamrexlistctrl_de.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    Fixture f;
    QVERIFY(f.ready());
    f.list.SetItemText(1, 1, QStringLiteral("Mars"));
    f.list.SetItemText(4, 2, QStringLiteral("mars"));
    f.list.EnableFind(true);

    QStringList shown;
    QString message;
    // Answers the find dialog with "mars", then takes note of the message box.
    auto answer = [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            message = box->text();
            box->accept();
            return;
        }
        const QList<QRadioButton *> directions = modal->findChildren<QRadioButton *>();
        const QList<QPushButton *> buttons = modal->findChildren<QPushButton *>();
        QCOMPARE(directions.size(), 2);
        QCOMPARE(buttons.size(), 2);
        shown = QStringList{modal->windowTitle(), modal->findChild<QGroupBox *>()->title(), directions[0]->text(),
                            directions[1]->text(), buttons[0]->text(), buttons[1]->text()};
        modal->findChild<QLineEdit *>()->setText(QStringLiteral("mars"));
        buttons[0]->click();
    };
    QTimer::singleShot(0, this, answer);
    QTest::keyClick(&f.list, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(shown, texts.mid(0, 6));
    QCOMPARE(f.list.currentRow(), 1);
    QTest::keyClick(&f.list, Qt::Key_F3);
    QCOMPARE(f.list.currentRow(), 4);
    QTimer::singleShot(0, this, answer);
    QVERIFY(!f.list.Search());
    QCOMPARE(message, texts[7]);
    QVERIFY(f.list.Search()); // starts over
    QCOMPARE(f.list.currentRow(), 1);

    QString entry;
    QTimer::singleShot(0, this, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            entry = menu->actions().value(0)->text();
            menu->close();
        }
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), f.list.viewport()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(f.list.viewport(), &click);
    QCOMPARE(entry, texts[6]);
    QCoreApplication::removeTranslator(&translator);
}

void ExListCtrlTest::readOnlyRowsTakeTheReadOnlyColour()
{
    Fixture f;
    QVERIFY(f.ready());
    const QColor grey(0x80, 0x80, 0x80);
    f.list.SetReadOnlyItem(2);
    f.list.SetColorForReadOnlyItem(grey, true);
    const QRect readOnly = f.list.visualRect(f.list.model()->index(2, 3));
    const QRect other = f.list.visualRect(f.list.model()->index(1, 3));
    const QPoint corner(90, 3);
    QImage image = f.list.viewport()->grab().toImage();
    QCOMPARE(image.pixelColor(readOnly.topLeft() + corner), grey);
    QVERIFY(image.pixelColor(other.topLeft() + corner) != grey);

    f.list.SetColorForReadOnlyItem(Qt::red, false);
    image = f.list.viewport()->grab().toImage();
    QVERIFY(image.pixelColor(readOnly.topLeft() + corner) != grey);
}

QTEST_MAIN(ExListCtrlTest)
#include "ExListCtrlTest.moc"
