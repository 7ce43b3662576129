#include "listctrl/RowSearch.h"

#include <QTest>

using tamrex::RowSearch;

namespace {
// A list given as one string per row, its cells separated by '|'.
struct Rows {
    QStringList rows;

    int columns() const
    {
        int widest = 0;
        for (const QString &row : rows)
            widest = std::max(widest, int(row.count('|')) + 1);
        return widest;
    }

    int next(RowSearch &search) const
    {
        return search.next(int(rows.size()), columns(),
                           [this](int row, int column) { return rows.at(row).split('|').value(column); });
    }
};

const QStringList Planets = {"Sonne|10", "Mars|4", "Venus|7", "Jupiter|mars?", "Saturn|3"};
} // namespace

class RowSearchTest : public QObject {
    Q_OBJECT
private slots:
    void searchesWalkTheMatchesThenStartOver_data();
    void searchesWalkTheMatchesThenStartOver();
    void aNewQueryGoesOnFromTheLastHit();
    void startingOverForgetsTheLastHit();
    void rowsDeletedPastTheLastHit_data();
    void rowsDeletedPastTheLastHit();
};

void RowSearchTest::searchesWalkTheMatchesThenStartOver_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QList<int>>("stops"); // of successive searches; -1 a miss
    QTest::newRow("down: the matches, a miss, the first match again")
        << Planets << "mars" << true << QList<int>{1, 3, -1, 1};
    QTest::newRow("up: from the last row") << Planets << "mars" << false << QList<int>{3, 1, -1, 3};
    QTest::newRow("case and place in the cell ignored") << Planets << "AR" << true << QList<int>{1, 3, -1};
    QTest::newRow("a row counts once, however many cells match") << QStringList{"a|a|a", "b|a"} << "a" << true
                                                                 << QList<int>{0, 1, -1};
    QTest::newRow("the only match, found again after each miss") << Planets << "Venus" << true
                                                                 << QList<int>{2, -1, 2, -1};
    QTest::newRow("no match") << Planets << "Pluto" << true << QList<int>{-1, -1};
    QTest::newRow("empty text matches nothing") << Planets << "" << true << QList<int>{-1};
    QTest::newRow("no rows") << QStringList{} << "mars" << false << QList<int>{-1};
    QTest::newRow("rows of different widths") << QStringList{"x", "y|z|mars"} << "mars" << true
                                              << QList<int>{1, -1};
}

void RowSearchTest::searchesWalkTheMatchesThenStartOver()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, text);
    QFETCH(bool, down);
    QFETCH(QList<int>, stops);
    RowSearch search;
    search.setQuery(text, down);
    const Rows list{rows};
    QList<int> found;
    for (qsizetype i = 0; i < stops.size(); ++i)
        found << list.next(search);
    QCOMPARE(found, stops);
}

void RowSearchTest::aNewQueryGoesOnFromTheLastHit()
{
    const Rows list{Planets};
    RowSearch search;
    search.setQuery("mars", true);
    QCOMPARE(list.next(search), 1);
    QCOMPARE(list.next(search), 3);
    search.setQuery("mars", false);
    QCOMPARE(list.next(search), 1);
    search.setQuery("n", true); // Sonne, Venus, Saturn: the first past row 1
    QCOMPARE(list.next(search), 2);
    QCOMPARE(search.text(), QStringLiteral("n"));
    QVERIFY(search.down());
}

void RowSearchTest::startingOverForgetsTheLastHit()
{
    const Rows list{Planets};
    RowSearch search;
    search.setQuery("mars", true);
    QCOMPARE(list.next(search), 1);
    search.startOver();
    QCOMPARE(list.next(search), 1);
    QVERIFY(search.matches("Marsmond"));
    QVERIFY(!search.matches(QString()));
}

void RowSearchTest::rowsDeletedPastTheLastHit_data()
{
    QTest::addColumn<bool>("down");
    QTest::addColumn<QList<int>>("stops");
    QTest::newRow("up: the rows left above") << false << QList<int>{1, -1};
    QTest::newRow("down: the end is reached, then the first match") << true << QList<int>{-1, 1};
}

void RowSearchTest::rowsDeletedPastTheLastHit()
{
    QFETCH(bool, down);
    QFETCH(QList<int>, stops);
    RowSearch search;
    search.setQuery("mars", true);
    QCOMPARE((Rows{Planets}.next(search)), 1);
    QCOMPARE((Rows{Planets}.next(search)), 3);
    search.setQuery("mars", down);
    const Rows shortened{Planets.mid(0, 2)}; // rows 2 to 4 deleted
    QList<int> found;
    for (qsizetype i = 0; i < stops.size(); ++i)
        found << shortened.next(search);
    QCOMPARE(found, stops);
}

QTEST_GUILESS_MAIN(RowSearchTest)
#include "RowSearchTest.moc"
