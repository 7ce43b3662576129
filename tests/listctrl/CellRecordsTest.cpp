#include "listctrl/CellRecords.h"

#include <QTest>

using tamrex::CellRecords;

namespace {
constexpr int Column = 1;
const QList<int> RecordedItems = {2, 3, 5};

// Records of every kind in column 1 of items 2, 3 and 5; each status and choice record
// names the item it was made for.
CellRecords recordedCells()
{
    CellRecords records;
    for (int item : RecordedItems) {
        records.setComboStatus(item, Column, item, QString::number(item));
        records.setDate(item, Column, QDateTime(QDate(2000, 1, item), QTime(0, 0)));
        records.setCellChoices(item, Column, CComboSubitemsList({QString::number(item)}, item, Column));
        records.setReadOnlyCell(item, Column, true);
    }
    return records;
}

// "now:made for" of each record of one kind in column 1, by item; the read-only marks
// by item alone.
QString where(const CellRecords &records, const QString &kind)
{
    QStringList found;
    for (int item = 0; item < 10; ++item) {
        QString madeFor;
        if (kind == "combo") {
            if (const CComboStatus *status = records.comboStatus(item, Column))
                madeFor = status->text;
        } else if (kind == "date") {
            if (const CDateStatus *status = records.dateStatus(item, Column))
                madeFor = QString::number(status->date.date().day());
        } else if (kind == "choices") {
            if (const CComboSubitemsList *choices = records.cellChoices(item, Column))
                madeFor = choices->items.join(',');
        } else if (records.isReadOnlyCell(item, Column)) {
            found << QString::number(item);
        }
        if (!madeFor.isEmpty())
            found << QStringLiteral("%1:%2").arg(item).arg(madeFor);
    }
    return found.join(' ');
}

CellRecords::Kind kindAfter(const QStringList &marks)
{
    CellRecords records;
    const QStringList choices = {"a"};
    for (const QString &mark : marks) {
        const bool set = mark.startsWith('+');
        const QString kind = mark.mid(1);
        if (kind == "combo")
            records.setComboColumn(Column, &choices, set, false);
        else if (kind == "tree")
            records.setTreeColumn(Column, &choices, set);
        else
            records.setDateColumn(Column, set);
    }
    return records.kindOf(Column);
}
} // namespace

class CellRecordsTest : public QObject {
    Q_OBJECT
private slots:
    void recordsFollowDeletions_data();
    void recordsFollowDeletions();
    void editorKindOfAColumn_data();
    void editorKindOfAColumn();
    void clearingAChoiceColumnDropsItsChoicesAndStatuses_data();
    void clearingAChoiceColumnDropsItsChoicesAndStatuses();
    void addingReplacesTheRecordOfTheSameCell();
    void choicesOfACell_data();
    void choicesOfACell();
    void anyReadOnlyMarkStopsEditing_data();
    void anyReadOnlyMarkStopsEditing();
    void editStoresTheStatusOfTheColumnsKind_data();
    void editStoresTheStatusOfTheColumnsKind();
    void openingAnEditorStoresAStatusOnce();
};

void CellRecordsTest::recordsFollowDeletions_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QList<int>>("arguments");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("choices");
    QTest::addColumn<QString>("readOnly");
    const QString kept = "2:2 3:3 5:5";
    const QString keptMarks = "2 3 5";
    QTest::newRow("row 2 deleted: statuses of 3 and 5 move up, the rest stays")
        << "rowsRemoved" << QList<int>{2, 2, 6} << "2:3 4:5" << "2:3 4:5" << kept << keptMarks;
    QTest::newRow("rows 2 to 3 deleted at once") << "rowsRemoved" << QList<int>{2, 3, 4} << "3:5" << "3:5" << kept
                                                  << keptMarks;
    QTest::newRow("row 0 deleted: every status moves up") << "rowsRemoved" << QList<int>{0, 0, 6} << "1:2 2:3 4:5"
                                                          << "1:2 2:3 4:5" << kept << keptMarks;
    QTest::newRow("a row without statuses deleted") << "rowsRemoved" << QList<int>{4, 4, 6} << "2:2 3:3 4:5"
                                                    << "2:2 3:3 4:5" << kept << keptMarks;
    QTest::newRow("the last row deleted") << "rowsRemoved" << QList<int>{5, 5, 5} << "2:2 3:3" << "2:2 3:3" << kept
                                          << keptMarks;
    // Statuses set for rows the list never had would otherwise move onto new rows.
    QTest::newRow("every row deleted, statuses past the rows too")
        << "rowsRemoved" << QList<int>{0, 3, 0} << "" << "" << kept << keptMarks;
    QTest::newRow("all statuses cleared") << "clearStatuses" << QList<int>{} << "" << "" << kept << keptMarks;
    QTest::newRow("the cells' choices of item 2 follow its deletion")
        << "removeCellChoicesOf" << QList<int>{2} << kept << kept << "2:3 4:5" << keptMarks;
    QTest::newRow("combo statuses of item 3 removed, later ones move up")
        << "removeComboStatus" << QList<int>{3, -1} << "2:2 4:5" << kept << kept << keptMarks;
    QTest::newRow("combo status of one cell removed, nothing moves")
        << "removeComboStatus" << QList<int>{3, Column} << "2:2 5:5" << kept << kept << keptMarks;
    QTest::newRow("combo status of a cell without one") << "removeComboStatus" << QList<int>{3, 2} << kept << kept
                                                        << kept << keptMarks;
    QTest::newRow("combo statuses cleared") << "clearComboStatuses" << QList<int>{} << "" << kept << kept
                                            << keptMarks;
    QTest::newRow("read-only marks cleared") << "clearReadOnly" << QList<int>{} << kept << kept << kept << "";
}

void CellRecordsTest::recordsFollowDeletions()
{
    QFETCH(QString, operation);
    QFETCH(QList<int>, arguments);
    CellRecords records = recordedCells();
    if (operation == "rowsRemoved")
        records.rowsRemoved(arguments[0], arguments[1], arguments[2]);
    else if (operation == "clearStatuses")
        records.clearStatuses();
    else if (operation == "removeCellChoicesOf")
        records.removeCellChoicesOf(arguments[0]);
    else if (operation == "removeComboStatus")
        records.removeComboStatus(arguments[0], arguments[1]);
    else if (operation == "clearComboStatuses")
        records.clearComboStatuses();
    else
        records.clearReadOnly();
    QTEST(where(records, "combo"), "combo");
    QTEST(where(records, "date"), "date");
    QTEST(where(records, "choices"), "choices");
    QTEST(where(records, "readOnly"), "readOnly");
}

void CellRecordsTest::editorKindOfAColumn_data()
{
    QTest::addColumn<QStringList>("marks"); // in order; + sets, - clears
    QTest::addColumn<CellRecords::Kind>("kind");
    QTest::newRow("unmarked") << QStringList{} << CellRecords::Kind::Text;
    QTest::newRow("combo") << QStringList{"+combo"} << CellRecords::Kind::Combo;
    QTest::newRow("tree") << QStringList{"+tree"} << CellRecords::Kind::Tree;
    QTest::newRow("date") << QStringList{"+date"} << CellRecords::Kind::Date;
    QTest::newRow("combo wins over tree and date") << QStringList{"+date", "+tree", "+combo"}
                                                   << CellRecords::Kind::Combo;
    QTest::newRow("tree wins over date") << QStringList{"+date", "+tree"} << CellRecords::Kind::Tree;
    QTest::newRow("combo cleared leaves the date") << QStringList{"+combo", "+date", "-combo"}
                                                   << CellRecords::Kind::Date;
    QTest::newRow("combo set twice, cleared once") << QStringList{"+combo", "+combo", "-combo"}
                                                   << CellRecords::Kind::Text;
    QTest::newRow("clearing an unmarked kind") << QStringList{"+tree", "-date"} << CellRecords::Kind::Tree;
}

void CellRecordsTest::editorKindOfAColumn()
{
    QFETCH(QStringList, marks);
    QFETCH(CellRecords::Kind, kind);
    QCOMPARE(kindAfter(marks), kind);
}

void CellRecordsTest::clearingAChoiceColumnDropsItsChoicesAndStatuses_data()
{
    QTest::addColumn<bool>("tree");
    QTest::newRow("combo column") << false;
    QTest::newRow("tree column") << true;
}

void CellRecordsTest::clearingAChoiceColumnDropsItsChoicesAndStatuses()
{
    QFETCH(bool, tree);
    CellRecords records;
    const QStringList first = {"a"};
    const QStringList second = {"b"};
    for (int column : {1, 2}) {
        const QStringList *items = column == 1 ? &first : &second;
        if (tree)
            records.setTreeColumn(column, items, true);
        else
            records.setComboColumn(column, items, true, false);
        records.setComboStatus(0, column, 0, items->first());
    }
    records.setCellChoices(0, 1, CComboSubitemsList({"own"}, 0, 1));
    records.setDate(0, 1, QDateTime(QDate(2001, 2, 3), QTime(4, 5)));
    if (tree)
        records.setTreeColumn(1, nullptr, false);
    else
        records.setComboColumn(1, nullptr, false, false);

    QCOMPARE(records.kindOf(1), CellRecords::Kind::Text);
    QVERIFY(!records.columnChoices(1));
    QVERIFY(!records.comboStatus(0, 1));
    // The other column, the cell's own choices and its date are not the column's kind.
    QCOMPARE(records.kindOf(2), tree ? CellRecords::Kind::Tree : CellRecords::Kind::Combo);
    QVERIFY(records.columnChoices(2));
    QCOMPARE(records.columnChoices(2)->items, second);
    QVERIFY(records.comboStatus(0, 2));
    QVERIFY(records.cellChoices(0, 1));
    QVERIFY(records.dateStatus(0, 1));
}

void CellRecordsTest::addingReplacesTheRecordOfTheSameCell()
{
    CellRecords records;
    const QStringList first = {"a", "b"};
    const QStringList second = {"c"};
    records.setComboColumn(1, &first, true, true);
    records.setComboColumn(1, &second, true, false);
    QVERIFY(records.columnChoices(1));
    QCOMPARE(records.columnChoices(1)->items, second);
    QVERIFY(!records.columnChoices(1)->sort);

    // A stored copy names the column or cell it is stored for, whatever the caller's says.
    records.setColumnChoices(3, CComboItemsList(true, 7, {"x"}));
    QVERIFY(!records.columnChoices(7));
    QCOMPARE(records.columnChoices(3)->column, 3);
    records.setCellChoices(2, 1, CComboSubitemsList({"x"}, 9, 9));
    records.setCellChoices(2, 1, CComboSubitemsList({"y"}, 9, 9));
    QVERIFY(!records.cellChoices(9, 9));
    QCOMPARE(records.cellChoices(2, 1)->items, QStringList{"y"});
    QCOMPARE(records.cellChoices(2, 1)->item, 2);
    QCOMPARE(records.cellChoices(2, 1)->column, 1);
    records.removeCellChoicesOf(2);
    QVERIFY(!records.cellChoices(2, 1)); // there was one record, not two

    records.setComboStatus(4, 1, 0, "a");
    records.setComboStatus(4, 1, 2, "c");
    QCOMPARE(records.comboStatus(4, 1)->selected, 2);
    QCOMPARE(records.comboStatus(4, 1)->text, QStringLiteral("c"));
    records.removeComboStatus(4, 1);
    QVERIFY(!records.comboStatus(4, 1));

    records.setDate(4, 1, QDateTime(QDate(2000, 1, 1), QTime(1, 0)));
    records.setDate(4, 1, QDateTime(QDate(2002, 2, 2), QTime(2, 0)));
    QCOMPARE(records.dateStatus(4, 1)->date, QDateTime(QDate(2002, 2, 2), QTime(2, 0)));
    records.rowsRemoved(4, 4, 1);
    QVERIFY(!records.dateStatus(4, 1));
}

void CellRecordsTest::choicesOfACell_data()
{
    QTest::addColumn<bool>("columnSorted");
    QTest::addColumn<QString>("cellRecord"); // "none", or the own choices joined by commas
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("sort");
    const QStringList column = {"Wasser", "Feuer"};
    QTest::newRow("the column's, unsorted") << false << "none" << column << false;
    QTest::newRow("the column's, sorted") << true << "none" << column << true;
    QTest::newRow("the cell's own, never sorted") << true << "B,A" << QStringList{"B", "A"} << false;
    QTest::newRow("an empty record of the cell hides the column's") << true << "" << QStringList{} << false;
}

void CellRecordsTest::choicesOfACell()
{
    QFETCH(bool, columnSorted);
    QFETCH(QString, cellRecord);
    QFETCH(QStringList, choices);
    QFETCH(bool, sort);
    CellRecords records;
    const QStringList column = {"Wasser", "Feuer"};
    records.setComboColumn(2, &column, true, columnSorted);
    if (cellRecord != "none")
        records.setCellChoices(1, 2, CComboSubitemsList(cellRecord.split(',', Qt::SkipEmptyParts), 1, 2));
    records.setCellChoices(0, 2, CComboSubitemsList({"other row"}, 0, 2));
    records.setCellChoices(1, 3, CComboSubitemsList({"other column"}, 1, 3));

    const CellRecords::Choices offered = records.choicesFor(1, 2);
    QCOMPARE(offered.items, choices);
    QCOMPARE(offered.sort, sort);
    QVERIFY(records.choicesFor(1, 4).items.isEmpty()); // a column without any choices
}

void CellRecordsTest::anyReadOnlyMarkStopsEditing_data()
{
    QTest::addColumn<QStringList>("marks"); // column, item, cell (2,1); "-" in front removes
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("editable");
    QTest::newRow("no mark") << QStringList{} << 2 << 1 << true;
    QTest::newRow("read-only column") << QStringList{"column"} << 4 << 1 << false;
    QTest::newRow("read-only row") << QStringList{"item"} << 2 << 3 << false;
    QTest::newRow("read-only cell") << QStringList{"cell"} << 2 << 1 << false;
    QTest::newRow("another cell of the read-only cell's row") << QStringList{"cell"} << 2 << 2 << true;
    QTest::newRow("another row in the read-only cell's column") << QStringList{"cell"} << 3 << 1 << true;
    QTest::newRow("cell mark removed, the column's still holds") << QStringList{"column", "cell", "-cell"} << 2 << 1
                                                                 << false;
    QTest::newRow("column mark set twice, removed once") << QStringList{"column", "column", "-column"} << 2 << 1
                                                         << true;
    QTest::newRow("row mark removed, the cell's still holds") << QStringList{"item", "cell", "-item"} << 2 << 1
                                                              << false;
    QTest::newRow("all cleared at once") << QStringList{"column", "item", "cell", "clear"} << 2 << 1 << true;
}

void CellRecordsTest::anyReadOnlyMarkStopsEditing()
{
    QFETCH(QStringList, marks);
    QFETCH(int, item);
    QFETCH(int, column);
    QFETCH(bool, editable);
    CellRecords records;
    records.setUnresizableColumn(1, true);
    for (const QString &mark : marks) {
        const bool set = !mark.startsWith('-');
        const QString what = set ? mark : mark.mid(1);
        if (what == "column")
            records.setReadOnlyColumn(1, set);
        else if (what == "item")
            records.setReadOnlyItem(2, set);
        else if (what == "cell")
            records.setReadOnlyCell(2, 1, set);
        else
            records.clearReadOnly();
    }
    QCOMPARE(records.isEditable(item, column), editable);
    // Locking a column's width is no read-only mark and outlives clearing them.
    QCOMPARE(records.unresizableColumns(), QList<int>{1});
}

void CellRecordsTest::editStoresTheStatusOfTheColumnsKind_data()
{
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QDateTime>("stored"); // the cell's date before the edit; invalid: none
    QTest::addColumn<QDate>("edited");
    QTest::addColumn<bool>("comboStatus");
    QTest::addColumn<QDateTime>("date"); // the cell's date after the edit; invalid: none
    const QDateTime morning(QDate(2001, 2, 3), QTime(10, 30));
    const QDate edited(2004, 5, 6);
    QTest::newRow("combo cell") << QStringList{"combo"} << QDateTime() << QDate() << true << QDateTime();
    QTest::newRow("tree cell") << QStringList{"tree"} << QDateTime() << QDate() << true << QDateTime();
    QTest::newRow("date cell keeps its time of day") << QStringList{"date"} << morning << edited << false
                                                     << QDateTime(edited, QTime(10, 30));
    QTest::newRow("date cell without a date gets midnight") << QStringList{"date"} << QDateTime() << edited << false
                                                            << QDateTime(edited, QTime(0, 0));
    QTest::newRow("date cell left without a date") << QStringList{"date"} << morning << QDate() << false << morning;
    QTest::newRow("text cell stores nothing") << QStringList{} << QDateTime() << edited << false << QDateTime();
    QTest::newRow("combo and date column stores the choice only")
        << QStringList{"combo", "date"} << morning << edited << true << morning;
}

void CellRecordsTest::editStoresTheStatusOfTheColumnsKind()
{
    QFETCH(QStringList, kinds);
    QFETCH(QDateTime, stored);
    QFETCH(QDate, edited);
    QFETCH(bool, comboStatus);
    QFETCH(QDateTime, date);
    CellRecords records;
    const QStringList choices = {"a", "b"};
    if (kinds.contains("combo"))
        records.setComboColumn(1, &choices, true, false);
    if (kinds.contains("tree"))
        records.setTreeColumn(1, &choices, true);
    if (kinds.contains("date"))
        records.setDateColumn(1, true);
    if (stored.isValid())
        records.setDate(2, 1, stored);

    records.recordEdit(2, 1, QStringLiteral("b"), 1, edited);
    const CComboStatus *status = records.comboStatus(2, 1);
    QCOMPARE(status != nullptr, comboStatus);
    if (status) {
        QCOMPARE(status->selected, 1);
        QCOMPARE(status->text, QStringLiteral("b"));
    }
    const CDateStatus *dated = records.dateStatus(2, 1);
    QCOMPARE(dated ? dated->date : QDateTime(), date);
}

void CellRecordsTest::openingAnEditorStoresAStatusOnce()
{
    CellRecords records;
    const CComboStatus fresh = records.ensureComboStatus(1, 2);
    QCOMPARE(fresh.selected, -1);
    QVERIFY(fresh.text.isEmpty());
    QVERIFY(records.comboStatus(1, 2));
    records.setComboStatus(1, 2, 3, "d");
    QCOMPARE(records.ensureComboStatus(1, 2).selected, 3);

    const QDateTime now(QDate(2020, 6, 1), QTime(12, 0));
    QCOMPARE(records.ensureDate(1, 3, now), now);
    QCOMPARE(records.dateStatus(1, 3)->date, now);
    QCOMPARE(records.ensureDate(1, 3, now.addDays(1)), now); // the stored date, not a new one
}

QTEST_GUILESS_MAIN(CellRecordsTest)
#include "CellRecordsTest.moc"
