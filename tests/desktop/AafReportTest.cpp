// The reports after an AAF import or export: the count, then the records with a
// problem under their section, each by its name or, without one, by its place.
#include "desktop/horoscopes/AafReport.h"

#include <QtTest>

#include <vector>

using namespace orvel;

using Entries = std::vector<AafEntry>;
Q_DECLARE_METATYPE(Entries)

namespace {

AafEntry entry(int record, const QString &name, const QString &reason, bool taken)
{
    AafEntry e;
    e.record = record;
    e.name = name;
    e.reason = reason;
    if (taken) {
        e.horoscope = HoroscopeRecord::createDefault(DateTime(2024, 3, 5, 14, 30, 0));
        e.horoscope->name = name;
    }
    return e;
}

AafEntry taken(int record, const QString &name, const QString &note = {})
{
    return entry(record, name, note, true);
}

AafEntry skipped(int record, const QString &name, const QString &reason)
{
    return entry(record, name, reason, false);
}

// Written records carry no horoscope back: every one of them counts as exported.
AafEntry exported(int record, const QString &name, const QString &note = {})
{
    return entry(record, name, note, false);
}

void addColumns()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("horoscopes");
    QTest::addColumn<QString>("text");
}

} // namespace

class AafReportTest : public QObject {
    Q_OBJECT

private slots:
    void importReport_data();
    void importReport();
    void exportReport_data();
    void exportReport();
};

void AafReportTest::importReport_data()
{
    addColumns();
    QTest::newRow("no records") << Entries{} << 0 << QStringLiteral("0 horoscopes imported.");
    QTest::newRow("all taken, no notes") << Entries{taken(1, QStringLiteral("Anna")), taken(2, QString())} << 2
                                         << QStringLiteral("2 horoscopes imported.");
    QTest::newRow("noted, by name") << Entries{taken(1, QStringLiteral("Anna Muster"), QStringLiteral("noon taken"))}
                                    << 1
                                    << QStringLiteral("1 horoscopes imported.\nImported with notes:\n"
                                                      "Anna Muster (record 1): noon taken");
    QTest::newRow("skipped, without name") << Entries{skipped(1, QString(), QStringLiteral("no date"))} << 0
                                           << QStringLiteral("0 horoscopes imported.\nSkipped:\n"
                                                             "Record 1 (no name): no date");
    QTest::newRow("notes before skips, each in file order")
        << Entries{skipped(1, QString(), QStringLiteral("no date")), taken(2, QStringLiteral("B"), QStringLiteral("b")),
                   skipped(3, QStringLiteral("C"), QStringLiteral("bad date")), taken(4, QStringLiteral("D")),
                   taken(5, QString(), QStringLiteral("e"))}
        << 3
        << QStringLiteral("3 horoscopes imported.\nImported with notes:\nB (record 2): b\nRecord 5 (no name): e\n"
                          "Skipped:\nRecord 1 (no name): no date\nC (record 3): bad date");
}

void AafReportTest::importReport()
{
    QFETCH(Entries, entries);
    QFETCH(int, horoscopes);
    QFETCH(QString, text);
    const AafReport report = AafReport::ofImport(entries);
    QCOMPARE(report.horoscopes(), horoscopes);
    QCOMPARE(report.text(), text);
}

void AafReportTest::exportReport_data()
{
    addColumns();
    QTest::newRow("no records") << Entries{} << 0 << QStringLiteral("0 horoscopes exported.");
    QTest::newRow("no notes") << Entries{exported(1, QStringLiteral("A")), exported(2, QString())} << 2
                              << QStringLiteral("2 horoscopes exported.");
    QTest::newRow("notes by name and by place")
        << Entries{exported(1, QStringLiteral("A"), QStringLiteral("no country")), exported(2, QStringLiteral("B")),
                   exported(3, QString(), QStringLiteral("'?' written"))}
        << 3
        << QStringLiteral("3 horoscopes exported.\nWith notes:\nA (record 1): no country\n"
                          "Record 3 (no name): '?' written");
}

void AafReportTest::exportReport()
{
    QFETCH(Entries, entries);
    QFETCH(int, horoscopes);
    QFETCH(QString, text);
    const AafReport report = AafReport::ofExport(entries);
    QCOMPARE(report.horoscopes(), horoscopes);
    QCOMPARE(report.text(), text);
}

QTEST_MAIN(AafReportTest)
#include "AafReportTest.moc"
