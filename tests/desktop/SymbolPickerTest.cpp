#include "desktop/settings/CSymbolDlg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
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
    void dropDownShowsFifteenRowsOfReadableGlyphs();
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

void SymbolPickerTest::dropDownShowsFifteenRowsOfReadableGlyphs()
{
    CSymbolDlg dialog('L');
    dialog.move(0, 0); // room below the box for more than 15 rows
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QComboBox *list = dialog.list();
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    // A drop-down of 15 rows (it scrolls for the other 32), not a menu of all 47.
    const int row = view->sizeHintForRow(0);
    QVERIFY(row > 0);
    const int rowsShown = view->viewport()->height() / row;
    QCOMPARE(rowsShown, CSymbolDlg::VisibleRows);
    QVERIFY(view->verticalScrollBar()->maximum() > 0);
    // Its glyphs are drawn as large as the box's, in the symbol font.
    QCOMPARE(view->font().family(), QStringLiteral("OWSym"));
    QCOMPARE(view->font().pixelSize(), CSymbolDlg::GlyphPixelSize);
    QVERIFY(row >= CSymbolDlg::GlyphPixelSize);
    list->hidePopup();
}

QTEST_MAIN(SymbolPickerTest)
#include "SymbolPickerTest.moc"
