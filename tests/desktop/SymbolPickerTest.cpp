#include "desktop/settings/CSymbolDlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

using namespace orvel;

class SymbolPickerTest : public QObject {
    Q_OBJECT
private slots:
    void offersFortySevenCodesWithoutTheGaps();
    void offeredGlyphIsSelectedAndReturned();
    void glyphNotOfferedSelectsNothingAndOkWaitsForAChoice();
    void escapeCancelsAndKeepsTheGlyph();
};

void SymbolPickerTest::offersFortySevenCodesWithoutTheGaps()
{
    const std::vector<int> codes = CSymbolDlg::offeredCodes();
    QCOMPARE(codes.size(), size_t(47));
    QCOMPARE(codes.front(), 47);
    QCOMPARE(codes.back(), 105);
    for (const int gap : {60, 63, 77, 79, 91, 95})
        QVERIFY2(std::find(codes.begin(), codes.end(), gap) == codes.end(), qPrintable(QString::number(gap)));

    CSymbolDlg dialog(47);
    QCOMPARE(dialog.list()->count(), 47);
    QCOMPARE(dialog.list()->itemText(13), QStringLiteral("@")); // 64 follows 59
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Symbols"));
    QCOMPARE(dialog.font().family(), QStringLiteral("OWSym"));
    QVERIFY(dialog.okButton()->text().isEmpty());
    QVERIFY(!dialog.okButton()->icon().isNull());
}

void SymbolPickerTest::offeredGlyphIsSelectedAndReturned()
{
    CSymbolDlg dialog('L');
    QCOMPARE(dialog.list()->currentText(), QStringLiteral("L"));
    dialog.show();
    dialog.okButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.glyph(), 76);
}

void SymbolPickerTest::glyphNotOfferedSelectsNothingAndOkWaitsForAChoice()
{
    CSymbolDlg dialog(62);
    QCOMPARE(dialog.list()->currentIndex(), -1);
    dialog.show();
    dialog.okButton()->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.glyph(), 62);

    dialog.list()->setCurrentIndex(dialog.list()->findText(QStringLiteral("Z")));
    dialog.okButton()->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.glyph(), int('Z'));
}

void SymbolPickerTest::escapeCancelsAndKeepsTheGlyph()
{
    CSymbolDlg dialog('P');
    dialog.show();
    dialog.list()->setCurrentIndex(0);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.glyph(), int('P'));
}

QTEST_MAIN(SymbolPickerTest)
#include "SymbolPickerTest.moc"
