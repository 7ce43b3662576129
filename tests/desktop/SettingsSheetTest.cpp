#include "DesktopFolders.h"
#include "support/RecordingPaintDevice.h"

#include "desktop/DeviceLink.h"
#include "desktop/SymbolFontInstaller.h"
#include "desktop/settings/CGlyphPage.h"
#include "desktop/settings/CPPageAspekt.h"
#include "desktop/settings/CPPageAspektOrben.h"
#include "desktop/settings/CPPageColor.h"
#include "desktop/settings/CPPageDiverse.h"
#include "desktop/settings/CPPageElement.h"
#include "desktop/settings/CPPageHouse.h"
#include "desktop/settings/CPPagePlanetBewertung.h"
#include "desktop/settings/CPSheetConfig.h"
#include "listctrl/ExListCtrl.h"
#include "render/ChartFonts.h"
#include "storage/SettingsFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

using namespace orvel;

namespace {

// orvel.xml as UTF-16 with its byte-order mark, from the markup between the root tags.
QByteArray settingsXml(const QString &inner)
{
    const QString text = QStringLiteral("<Orvel_Config>") + inner + QStringLiteral("</Orvel_Config>");
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

// A device folder, the desktop's folder and a sheet over them whose choosers answer
// with whatever the test puts in `colour` and `glyph` (nothing: cancelled).
struct SheetFixture {
    explicit SheetFixture(const QByteArray &deviceSettings = {})
    {
        if (!deviceSettings.isEmpty())
            DesktopFolders::writeFile(deviceFile(), deviceSettings);
        choosers.colour = [this](Colour, QWidget *) { return colour; };
        choosers.glyph = [this](int, QWidget *) { return glyph; };
        sheet = std::make_unique<CPSheetConfig>(folders.program(), device, folders.sink, font, choosers);
        sheet->fetch();
    }
    QString deviceFile() const { return folders.device() + QStringLiteral("/Program Files/OrvelWin/orvel.xml"); }
    template<typename Page> Page *show(int index)
    {
        sheet->show();
        sheet->pages()->setCurrentIndex(index);
        return qobject_cast<Page *>(sheet->page(index));
    }
    void ok() { sheet->buttons()->button(QDialogButtonBox::Ok)->click(); }
    ChartSettings written() const
    {
        return SettingsFile::load(sheet->workingCopy(), ChartSettings::defaults()).value();
    }

    DesktopFolders folders;
    DeviceLink device{folders.device(), folders.sink, 0};
    SymbolFontInstaller font{QStringLiteral("/nonexistent/InstallFont"), QStringLiteral("/nonexistent")};
    std::optional<Colour> colour;
    std::optional<int> glyph;
    ValueChoosers choosers;
    std::unique_ptr<CPSheetConfig> sheet;
};

// What SettingsFile writes for `settings`: the canonical file.
QByteArray canonical(const ChartSettings &settings)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/orvel.xml");
    if (!SettingsFile::save(path, settings))
        return {};
    return DesktopFolders::readFile(path);
}

const QString FewKeysOutOfOrder = QStringLiteral(
    "<Radix_Orbis Index1=\"12\" Index2=\"4\">9</Radix_Orbis><Asp_Grad Index=\"3\">150</Asp_Grad>"
    "<Planet_Farbe Index=\"4\">RGB(1, 2, 3)</Planet_Farbe><House_System>3</House_System>"
    "<Planet_Wert Index=\"10\">6</Planet_Wert><Punkten_Bewerten>4</Punkten_Bewerten><Hide_Aspects>1</Hide_Aspects>");

ChartSettings fewKeysOverDefaults()
{
    ChartSettings expected = ChartSettings::defaults();
    expected.orbs[12][4] = 9;
    expected.aspectAngles[3] = 150;
    expected.planetColours[4] = rgb(1, 2, 3);
    expected.houseSystem = 3;
    expected.planetValues[10] = 6;
    expected.rulerBonus = 4;
    expected.hideAspects = 1;
    return expected;
}

} // namespace

class SettingsSheetTest : public QObject {
    Q_OBJECT
private slots:
    void pagesInOrderAndButtons();
    void okWritesFetchedValuesCompletedByDefaultsInCanonicalOrder_data();
    void okWritesFetchedValuesCompletedByDefaultsInCanonicalOrder();
    void cancelAsksBeforeClosingAndWritesNothing_data();
    void cancelAsksBeforeClosingAndWritesNothing();
    void damagedDeviceFileGivesTheDefaults();
    void unwritableWorkingCopyKeepsTheSheetOpenAndTheDeviceFile();
    void pageShowsTheBlockAndHandsItsControlsBack();
    void planetsClick_data();
    void planetsClick();
    void elementsClick_data();
    void elementsClick();
    void aspectsClickAndEdits();
    void colourAndGlyphChoosersEditTheSelectedPoint();
    void colourAndSymbolButtonsOfEveryGlyphPageEditItsSelection();
    void pointsEditTakesDigitsOnlyAndZeroWhenLeftEmpty();
    void editedCellsBecomeIntegersAndTheSumFollows();
    void gridsShowEveryCellWhole_data();
    void gridsShowEveryCellWhole();
    void cellsTakeOnlyTheirRange_data();
    void cellsTakeOnlyTheirRange();
    void unreachableDeviceFolderKeepsItsFileAndTheWorkingCopyHoldsTheChange();
    void planetsPageStartsTheFontInstallerOnce();
    void glyphPagesPaintTheirGeometry();
};

void SettingsSheetTest::pagesInOrderAndButtons()
{
    SheetFixture f;
    QCOMPARE(f.sheet->windowTitle(), QStringLiteral("Configuration"));
    QStringList tabs;
    for (int i = 0; i < f.sheet->pages()->count(); ++i)
        tabs.append(f.sheet->pages()->tabText(i));
    QCOMPARE(tabs, (QStringList{"Planets", "Elements", "Aspects", "House System", "Planets estimation", "Aspect orbs", "Other"}));
    QCOMPARE(f.sheet->buttons()->buttons().size(), 2);
    QCOMPARE(f.sheet->buttons()->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    QCOMPARE(f.sheet->buttons()->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}

// Whether the pages were looked at or not, OK stores what was read: pages that never
// showed hand nothing back, pages that showed hand back what they were given.
void SettingsSheetTest::okWritesFetchedValuesCompletedByDefaultsInCanonicalOrder_data()
{
    QTest::addColumn<bool>("visitEveryPage");
    QTest::newRow("untouched") << false;
    QTest::newRow("every page shown") << true;
}

void SettingsSheetTest::okWritesFetchedValuesCompletedByDefaultsInCanonicalOrder()
{
    QFETCH(bool, visitEveryPage);
    SheetFixture f(settingsXml(FewKeysOutOfOrder));
    QCOMPARE(f.sheet->settings(), fewKeysOverDefaults());
    if (visitEveryPage) {
        for (int page = 6; page >= 0; --page)
            f.show<CSettingsPage>(page);
    }
    f.ok();
    QVERIFY(!f.sheet->isVisible());
    const QByteArray expected = canonical(fewKeysOverDefaults());
    QCOMPARE(DesktopFolders::readFile(f.sheet->workingCopy()), expected);
    QCOMPARE(DesktopFolders::readFile(f.deviceFile()), expected);
    QVERIFY2(f.folders.sink.messages.isEmpty(), qPrintable(f.folders.sink.messages.join(u'\n')));
}

void SettingsSheetTest::cancelAsksBeforeClosingAndWritesNothing_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes closes") << true;
    QTest::newRow("No stays") << false;
}

void SettingsSheetTest::cancelAsksBeforeClosingAndWritesNothing()
{
    QFETCH(bool, answer);
    SheetFixture f(settingsXml(FewKeysOutOfOrder));
    const QByteArray before = DesktopFolders::readFile(f.deviceFile());
    f.show<CPPageHouse>(3)->systems()->button(5)->click();
    f.folders.sink.answer = answer;
    f.sheet->buttons()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(f.folders.sink.questions, QStringList{QStringLiteral("Exit?")});
    QCOMPARE(f.sheet->isVisible(), !answer);
    QCOMPARE(DesktopFolders::readFile(f.deviceFile()), before);
    QCOMPARE(DesktopFolders::readFile(f.sheet->workingCopy()), before); // as fetched
}

void SettingsSheetTest::damagedDeviceFileGivesTheDefaults()
{
    const QByteArray damaged("<Orvel_Config><House_System>5</House_Sys");
    SheetFixture f(damaged);
    QCOMPARE(f.sheet->settings(), ChartSettings::defaults());
    // The user is told, and the damaged file is kept before OK replaces the copy.
    QCOMPARE(f.folders.sink.messages.size(), 1);
    QVERIFY2(f.folders.sink.messages[0].contains(QStringLiteral("orvel.xml is damaged at character %1").arg(damaged.size())),
             qPrintable(f.folders.sink.messages[0]));
    QCOMPARE(DesktopFolders::readFile(f.sheet->workingCopy() + QStringLiteral(".damaged")), damaged);
}

void SettingsSheetTest::unwritableWorkingCopyKeepsTheSheetOpenAndTheDeviceFile()
{
    SheetFixture f(settingsXml(FewKeysOutOfOrder));
    const QByteArray before = DesktopFolders::readFile(f.deviceFile());
    // A folder where the working copy should be: nothing can replace it.
    QVERIFY(QFile::remove(f.sheet->workingCopy()));
    QVERIFY(QDir().mkdir(f.sheet->workingCopy()));
    f.folders.sink.messages.clear();
    f.show<CPPageHouse>(3)->systems()->button(5)->click();
    f.ok();
    QVERIFY(f.sheet->isVisible());
    QCOMPARE(f.folders.sink.messages.size(), 1);
    QVERIFY2(f.folders.sink.messages.first().contains(QStringLiteral("orvel.xml")), qPrintable(f.folders.sink.messages.first()));
    QCOMPARE(DesktopFolders::readFile(f.deviceFile()), before);
}

void SettingsSheetTest::pageShowsTheBlockAndHandsItsControlsBack()
{
    SheetFixture f(settingsXml(FewKeysOutOfOrder));
    auto *house = f.show<CPPageHouse>(3);
    QCOMPARE(house->systems()->checkedId(), 3);
    house->systems()->button(7)->click();
    auto *scoring = f.show<CPPagePlanetBewertung>(4);
    QCOMPARE(scoring->points()->text(), QStringLiteral("4"));
    QCOMPARE(scoring->values()->item(10, 2)->text(), QStringLiteral("6"));
    QCOMPARE(scoring->values()->item(10, 1)->text(), QStringLiteral("Mean Node"));
    QVERIFY(scoring->scoring()->isChecked());
    scoring->scoring()->click();
    auto *orbs = f.show<CPPageAspektOrben>(5);
    QCOMPARE(orbs->orbs()->columnCount(), 14);
    QCOMPARE(orbs->orbs()->item(4, 13)->text(), QStringLiteral("9")); // Opposition, MC
    QCOMPARE(orbs->orbs()->item(2, 0)->text(), QStringLiteral("Square"));
    QCOMPARE(orbs->orbs()->horizontalHeaderItem(1)->text(), QStringLiteral("Sun"));
    orbs->orbs()->SetItemText(1, 2, QStringLiteral("11")); // Sextile, Moon
    auto *other = f.show<CPPageDiverse>(6);
    QVERIFY(other->hideAspects()->isChecked());
    QVERIFY(!other->hideHouses()->isChecked());
    other->hideHouses()->click();
    f.ok();

    ChartSettings expected = fewKeysOverDefaults();
    expected.houseSystem = 7;
    expected.scoringSwitch = 0;
    expected.orbs[1][1] = 11;
    expected.hideHouses = 1;
    QCOMPARE(f.written(), expected);
}

void SettingsSheetTest::planetsClick_data()
{
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<int>("selected");
    QTest::newRow("AC: column 1, row 2") << QPoint(100, 160) << 11;
    QTest::newRow("first cell's corner") << QPoint(10, 10) << 0;
    QTest::newRow("MC, last cell") << QPoint(219, 219) << 12;
    QTest::newRow("past the thirteenth cell") << QPoint(220, 160) << 2;
    QTest::newRow("right of the grid") << QPoint(360, 20) << 2;
    QTest::newRow("below the grid") << QPoint(20, 220) << 2;
    QTest::newRow("in the margin") << QPoint(5, 20) << 2;
}

void SettingsSheetTest::planetsClick()
{
    QFETCH(QPoint, click);
    QFETCH(int, selected);
    SheetFixture f;
    auto *page = f.show<CPPageColor>(0);
    QCOMPARE(page->selected(), 0);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(150, 10)); // Mercury
    QTest::mouseClick(page, Qt::LeftButton, {}, click);
    QCOMPARE(page->selected(), selected);
}

void SettingsSheetTest::elementsClick_data()
{
    QTest::addColumn<int>("signBefore");
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("sign");
    QTest::newRow("Water row, sign of Earth") << 5 << QPoint(50, 185) << 3 << 3;
    QTest::newRow("Water row, sign of Water kept") << 11 << QPoint(50, 185) << 3 << 11;
    QTest::newRow("sign cell: column 1, row 2") << 0 << QPoint(215, 111) << 2 << 6;
    QTest::newRow("sign cell: column 2, row 0") << 0 << QPoint(341, 59) << 0 << 8;
    QTest::newRow("element name left of the sign cells") << 4 << QPoint(100, 20) << 0 << 4;
    QTest::newRow("below the rows") << 4 << QPoint(200, 215) << 0 << 4;
}

void SettingsSheetTest::elementsClick()
{
    QFETCH(int, signBefore);
    QFETCH(QPoint, click);
    QFETCH(int, element);
    QFETCH(int, sign);
    SheetFixture f;
    auto *page = f.show<CPPageElement>(1);
    QCOMPARE(page->selectedElement(), 0);
    QCOMPARE(page->selectedSign(), 0);
    page->selectSign(signBefore);
    QTest::mouseClick(page, Qt::LeftButton, {}, click);
    QCOMPARE(page->selectedElement(), element);
    QCOMPARE(page->selectedSign(), sign);
}

void SettingsSheetTest::aspectsClickAndEdits()
{
    SheetFixture f;
    auto *page = f.show<CPPageAspekt>(2);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(300, 175));
    QCOMPARE(page->selected(), 4);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(300, 215)); // below the rows
    QCOMPARE(page->selected(), 4);
    f.colour = rgb(9, 8, 7);
    f.glyph = 'Y';
    page->editColour();
    page->editGlyph();
    f.ok();
    ChartSettings expected = ChartSettings::defaults();
    expected.aspectColours[4] = rgb(9, 8, 7);
    expected.aspectGlyphs[4] = 'Y';
    QCOMPARE(f.written(), expected);
}

void SettingsSheetTest::colourAndSymbolButtonsOfEveryGlyphPageEditItsSelection()
{
    SheetFixture f;
    f.colour = rgb(4, 5, 6);
    f.glyph = 'Z';
    for (const int index : {0, 1, 2}) { // Planets, Elements, Aspects
        auto *page = f.show<CGlyphPage>(index);
        QVERIFY(page);
        const QList<QPushButton *> buttons = page->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons[0]->text(), QStringLiteral("&Color"));
        QCOMPARE(buttons[1]->text(), QStringLiteral("&Symbol"));
        for (QPushButton *button : buttons)
            button->click();
    }
    f.ok();
    ChartSettings expected = ChartSettings::defaults();
    expected.planetColours[0] = rgb(4, 5, 6);
    expected.planetGlyphs[0] = 'Z';
    expected.elementColours[0] = rgb(4, 5, 6);
    expected.signGlyphs[0] = 'Z';
    expected.aspectColours[0] = rgb(4, 5, 6);
    expected.aspectGlyphs[0] = 'Z';
    QCOMPARE(f.written(), expected);
}

void SettingsSheetTest::colourAndGlyphChoosersEditTheSelectedPoint()
{
    SheetFixture f;
    auto *planets = f.show<CPPageColor>(0);
    QTest::mouseClick(planets, Qt::LeftButton, {}, QPoint(100, 160)); // AC
    planets->editColour(); // both choosers cancelled: nothing changes
    planets->editGlyph();
    QCOMPARE(f.sheet->settings(), ChartSettings::defaults());
    f.colour = rgb(10, 20, 30);
    f.glyph = 'a';
    planets->editColour();
    planets->editGlyph();
    auto *elements = f.show<CPPageElement>(1);
    QTest::mouseClick(elements, Qt::LeftButton, {}, QPoint(215, 70)); // Earth row, sign 5
    f.colour = rgb(1, 1, 1);
    f.glyph = 'b';
    elements->editColour();
    elements->editGlyph();

    ChartSettings expected = ChartSettings::defaults();
    expected.planetColours[11] = rgb(10, 20, 30);
    expected.planetGlyphs[11] = 'a';
    expected.elementColours[1] = rgb(1, 1, 1);
    expected.signGlyphs[5] = 'b';
    QCOMPARE(f.sheet->settings(), expected);
}

void SettingsSheetTest::pointsEditTakesDigitsOnlyAndZeroWhenLeftEmpty()
{
    SheetFixture f;
    auto *page = f.show<CPPagePlanetBewertung>(4);
    QLineEdit *points = page->points();
    QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
    points->setFocus();
    points->selectAll();
    QTest::keyClicks(points, QStringLiteral("1a"));
    QCOMPARE(points->text(), QStringLiteral("1"));
    QTest::keyClicks(points, QStringLiteral("23"));
    QCOMPARE(points->text(), QStringLiteral("12"));
    points->selectAll();
    QTest::keyClick(points, Qt::Key_Delete);
    QCOMPARE(points->text(), QString());
    page->scoring()->setFocus(); // leaving the field
    QCOMPARE(points->text(), QStringLiteral("0"));
}

void SettingsSheetTest::editedCellsBecomeIntegersAndTheSumFollows()
{
    SheetFixture f;
    auto *scoring = f.show<CPPagePlanetBewertung>(4);
    QCOMPARE(scoring->sum()->text(), QStringLiteral("Sum: 72"));
    auto typeInto = [](CExListCtrl *list, int item, int column, const QString &text) {
        list->setCurrentCell(item, column);
        QWidget *editor = list->EditSubLabel(item, column);
        QVERIFY(editor);
        auto *line = qobject_cast<QLineEdit *>(editor);
        QVERIFY(line);
        line->setText(text);
        QTest::keyClick(line, Qt::Key_Return);
    };
    typeInto(scoring->values(), 0, 2, QStringLiteral("20 points"));
    QTRY_COMPARE(scoring->values()->item(0, 2)->text(), QStringLiteral("20"));
    QCOMPARE(scoring->sum()->text(), QStringLiteral("Sum: 82"));

    auto *orbs = f.show<CPPageAspektOrben>(5);
    typeInto(orbs->orbs(), 2, 5, QStringLiteral("x")); // Square, Mars
    QTRY_COMPARE(orbs->orbs()->item(2, 5)->text(), QStringLiteral("0"));
    f.ok();

    ChartSettings expected = ChartSettings::defaults();
    expected.planetValues[0] = 20;
    expected.orbs[4][2] = 0;
    QCOMPARE(f.written(), expected);
}

void SettingsSheetTest::gridsShowEveryCellWhole_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("wideColumn"); // the column of the widest heading or label
    QTest::newRow("Planets estimation") << 4 << 13 << 3 << 1;
    QTest::newRow("Aspect orbs") << 5 << 5 << 14 << 11; // "Mean Node"
}

void SettingsSheetTest::gridsShowEveryCellWhole()
{
    QFETCH(int, page);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, wideColumn);
    SheetFixture f;
    f.show<QWidget>(page);
    auto *list = f.sheet->page(page)->findChild<CExListCtrl *>();
    QVERIFY(list);
    QVERIFY(QTest::qWaitForWindowExposed(f.sheet.get()));
    QCOMPARE(list->rowCount(), rows);
    QCOMPARE(list->columnCount(), columns);
    const QFontMetrics metrics = list->fontMetrics();
    int width = 0;
    for (int column = 0; column < columns; ++column) {
        const QString name = QString::number(column);
        width += list->columnWidth(column);
        if (list->columnWidth(column) == 0)
            continue; // the hidden column of row parameters
        QVERIFY2(list->columnWidth(column) >= list->horizontalHeader()->sectionSizeHint(column), qPrintable(name));
        for (int row = 0; row < rows; ++row)
            QVERIFY2(list->columnWidth(column) > metrics.horizontalAdvance(list->item(row, column)->text()),
                     qPrintable(name + u'/' + QString::number(row)));
    }
    QVERIFY(list->columnWidth(wideColumn) > 50);
    // Every row and column lies inside the view: nothing scrolls, nothing is cut.
    QVERIFY(list->viewport()->width() >= width);
    QVERIFY(list->viewport()->height() >= list->rowViewportPosition(rows - 1) + list->rowHeight(rows - 1));
    QVERIFY(list->rowViewportPosition(0) >= 0);
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    QVERIFY(!list->verticalScrollBar()->isVisible());
    // The user still cannot resize a column.
    QCOMPARE(list->horizontalHeader()->sectionResizeMode(wideColumn), QHeaderView::Fixed);
}

void SettingsSheetTest::unreachableDeviceFolderKeepsItsFileAndTheWorkingCopyHoldsTheChange()
{
    SheetFixture f(settingsXml(FewKeysOutOfOrder));
    // A folder where the device file should be: it can be neither read nor replaced.
    QVERIFY(QFile::remove(f.deviceFile()));
    QVERIFY(QDir().mkdir(f.deviceFile()));
    f.show<CPPageHouse>(3)->systems()->button(1)->click();
    f.ok();
    QVERIFY(!f.sheet->isVisible()); // closes whatever the store gave
    QCOMPARE(f.folders.sink.messages.size(), 1);
    QVERIFY(QFileInfo(f.deviceFile()).isDir());
    ChartSettings expected = fewKeysOverDefaults();
    expected.houseSystem = 1;
    QCOMPARE(f.written(), expected);
}

void SettingsSheetTest::planetsPageStartsTheFontInstallerOnce()
{
    if (ChartFonts::hasSymbolFont())
        QSKIP("OWSym is installed on this machine; the installer would not be started");
    QTemporaryDir fonts;
    const QString installer = fonts.path() + QStringLiteral("/install.sh");
    const QString counter = fonts.path() + QStringLiteral("/runs");
    DesktopFolders::writeFile(installer, QStringLiteral("#!/bin/sh\necho run >> '%1'\n").arg(counter).toUtf8());
    QVERIFY(QFile::setPermissions(installer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    DesktopFolders folders;
    DeviceLink device(folders.device(), folders.sink, 0);
    SymbolFontInstaller font(installer, fonts.path());
    CPSheetConfig sheet(folders.program(), device, folders.sink, font);
    QVERIFY(font.installerStarted()); // at the page's initialisation
    RecordingPaintDevice canvas({400, 300});
    sheet.page(0)->render(&canvas); // and painting looks again without a second start
    QTRY_COMPARE(DesktopFolders::readFile(counter), QByteArray("run\n"));
}

void SettingsSheetTest::glyphPagesPaintTheirGeometry()
{
    const int font = QFontDatabase::addApplicationFont(QStringLiteral(ORVEL_PROGRAM_DIR "/OWSym.ttf"));
    QVERIFY(font >= 0);
    SheetFixture f;
    auto glyphsOf = [](const PaintRecord &record, const QString &text) {
        const std::vector<PaintRecord::Text> found = record.textsOf(text);
        return found.size() == 1 ? found.front() : PaintRecord::Text{};
    };
    auto framed = [](const PaintRecord &record, const QRectF &rect) {
        return std::any_of(record.rects.begin(), record.rects.end(), [&](const PaintRecord::Shape &s) { return s.rect == rect; });
    };

    auto *planets = f.show<CPPageColor>(0);
    QTest::mouseClick(planets, Qt::LeftButton, {}, QPoint(100, 160)); // AC
    RecordingPaintDevice planetCanvas({400, 300});
    planets->render(&planetCanvas);
    const PaintRecord::Text mars = glyphsOf(planetCanvas.record(), QStringLiteral("3"));
    QCOMPARE(mars.font.family(), QStringLiteral("OWSym"));
    QCOMPARE(mars.font.pixelSize(), 35);
    QCOMPARE(mars.colour, QColor(255, 0, 0));
    QVERIFY(CPPageColor::cell(4).contains(mars.baseline.toPoint()));
    QVERIFY(framed(planetCanvas.record(), QRectF(81, 151, 67, 67))); // one pixel inside AC's cell

    auto *elements = f.show<CPPageElement>(1);
    QTest::mouseClick(elements, Qt::LeftButton, {}, QPoint(215, 70)); // Earth, sign 5
    RecordingPaintDevice elementCanvas({400, 300});
    elements->render(&elementCanvas);
    const PaintRecord::Text earth = glyphsOf(elementCanvas.record(), QStringLiteral("Earth"));
    QVERIFY(earth.font.bold());
    QCOMPARE(earth.colour, QColor(31, 127, 0));
    QCOMPARE(earth.baseline.x(), 15.0);
    for (const int sign : {1, 5, 9}) { // the tenth sign's glyph is "L"
        const PaintRecord::Text glyph = glyphsOf(elementCanvas.record(), QString(QChar(f.sheet->settings().signGlyphs[sign])) + u' ');
        QCOMPARE(glyph.font.family(), QStringLiteral("OWSym"));
        QCOMPARE(glyph.colour, QColor(31, 127, 0));
        QVERIFY2(CPPageElement::signCell(sign).contains(glyph.baseline.toPoint()), qPrintable(QString::number(sign)));
    }
    QVERIFY(framed(elementCanvas.record(), QRectF(11, 61, 347, 47)));  // Earth's row
    QVERIFY(framed(elementCanvas.record(), QRectF(216, 62, 59, 45))); // sign 5, two pixels inside

    auto *aspects = f.show<CPPageAspekt>(2);
    RecordingPaintDevice aspectCanvas({400, 300});
    aspects->render(&aspectCanvas);
    QCOMPARE(glyphsOf(aspectCanvas.record(), QStringLiteral("Trine")).colour, QColor(0, 0, 255));
    QVERIFY(!glyphsOf(aspectCanvas.record(), QStringLiteral("120")).text.isEmpty());
    QCOMPARE(glyphsOf(aspectCanvas.record(), QStringLiteral("U ")).font.pixelSize(), 35);
    QVERIFY(framed(aspectCanvas.record(), QRectF(11, 11, 317, 37)));
    QFontDatabase::removeApplicationFont(font);
}


namespace {

// Opens the cell's line editor, types `text` and ends with Enter.
void typeIntoCell(CExListCtrl *list, int item, int column, const QString &text)
{
    list->setCurrentCell(item, column);
    auto *line = qobject_cast<QLineEdit *>(list->EditSubLabel(item, column));
    QVERIFY(line);
    line->setText(text);
    QTest::keyClick(line, Qt::Key_Return);
}

} // namespace

void SettingsSheetTest::cellsTakeOnlyTheirRange_data()
{
    QTest::addColumn<int>("page");   // 4 planet values (Sun's cell), 5 orbs (Conjunction, Sun)
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    QTest::newRow("planet value far too large") << 4 << "99999999999" << "10" << true;
    QTest::newRow("planet value 100") << 4 << "100" << "10" << true;
    QTest::newRow("planet value -100") << 4 << "-100" << "10" << true;
    QTest::newRow("planet value -99") << 4 << "-99" << "-99" << false;
    QTest::newRow("planet value 99") << 4 << "99" << "99" << false;
    QTest::newRow("orb 100") << 5 << "100" << "9" << true;
    QTest::newRow("negative orb") << 5 << "-1" << "9" << true;
    QTest::newRow("orb 0") << 5 << "0" << "0" << false;
    QTest::newRow("orb 99") << 5 << "99" << "99" << false;
}

void SettingsSheetTest::cellsTakeOnlyTheirRange()
{
    QFETCH(int, page);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    SheetFixture f;
    CExListCtrl *list = page == 4 ? f.show<CPPagePlanetBewertung>(4)->values() : f.show<CPPageAspektOrben>(5)->orbs();
    const int column = page == 4 ? CPPagePlanetBewertung::ValueColumn : 1;
    typeIntoCell(list, 0, column, typed);
    QTRY_COMPARE(list->item(0, column)->text(), shown);
    QTRY_COMPARE(f.folders.sink.messages.size(), refused ? 1 : 0); // the edit ends after the key press
    if (refused) {
        const QString message = f.folders.sink.messages.front();
        QVERIFY2(message.contains(typed) && message.contains(QStringLiteral("keeps ") + shown), qPrintable(message));
        QVERIFY2(message.contains(page == 4 ? QStringLiteral("-99 to 99") : QStringLiteral("0 to 99")), qPrintable(message));
        // A second refusal still returns to the value kept, not to the refused text.
        typeIntoCell(list, 0, column, typed);
        QTRY_COMPARE(f.folders.sink.messages.size(), 2);
        QCOMPARE(list->item(0, column)->text(), shown);
    }
    if (page == 4) {
        const int sun = shown.toInt();
        QCOMPARE(f.show<CPPagePlanetBewertung>(4)->sum()->text(), QStringLiteral("Sum: %1").arg(72 - 10 + sun));
    }
    f.ok();
    ChartSettings expected = ChartSettings::defaults();
    (page == 4 ? expected.planetValues[Sun] : expected.orbs[Sun][0]) = shown.toInt();
    QCOMPARE(f.written(), expected);
}

QTEST_MAIN(SettingsSheetTest)
#include "SettingsSheetTest.moc"
