// The information windows as drawn: the painters through a recording paint device,
// and the six dialogs opened on computed charts in every mode that offers them.
#include "support/ChartSceneFixture.h"
#include "support/RecordingPaintDevice.h"

#include "engine/CommandAvailability.h"
#include "render/AspectGridPainter.h"
#include "render/InfoTables.h"
#include "handheld/info/InformationWindows.h"
#include "handheld/info/PaintedDialog.h"
#include "handheld/info/ReportDialog.h"
#include "render/ScoreRowsPainter.h"
#include "render/ChartFonts.h"
#include "render/QtColour.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

using namespace orvel;

Q_DECLARE_METATYPE(orvel::ChartMode)
Q_DECLARE_METATYPE(orvel::InfoWindow)

namespace {

// Where a text centred in the cell at (x, y) must have its top-left corner.
QPoint centredIn(const PaintRecord::Text &t, int x, int y, int cell)
{
    const QFontMetrics metrics(t.font);
    return {x + (cell - metrics.horizontalAdvance(t.text)) / 2, y + (cell - metrics.height()) / 2};
}

QString glyph(int code)
{
    return QString(QChar(code));
}

InfoSnapshot snapshotOf(ChartMode mode, std::vector<AspectCode> aspects)
{
    InfoSnapshot s;
    s.mode = mode;
    s.settings = ChartSettings::defaults();
    s.firstName = QStringLiteral("Ann");
    s.secondName = QStringLiteral("Bob");
    s.aspects = std::move(aspects);
    return s;
}

PaintRecord paintGrid(const InfoSnapshot &snapshot)
{
    RecordingPaintDevice device;
    QPainter painter(&device);
    painter.setFont(ChartFonts::text());
    AspectGridPainter::paint(painter, snapshot, Qt::white);
    painter.end();
    return device.record();
}

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void scoreRowsHaveBoldLabelsScoresAndAdvancingGlyphs();
    void longLabelsMoveScoresAndGlyphsRight();
    void triangleGridHasCellsBelowTheDiagonal();
    void squareGridHasHeadersAndTheFirstNameDownTheMargin();
    void emptyAspectListLeavesGridAndPointGlyphs();
    void windowsOpenWhereAvailable_data();
    void windowsOpenWhereAvailable();
    void paintedWindowsScale();
    void aspectGraphicTakesTheWindowsColours();
    void reportColumnsFitTheirTexts_data();
    void reportColumnsFitTheirTexts();
};

void InfoWindowsTest::scoreRowsHaveBoldLabelsScoresAndAdvancingGlyphs()
{
    const ChartSettings settings = ChartSettings::defaults();
    const std::vector<ScoreRow> rows = {{QStringLiteral("Fire"), 27, rgb(255, 0, 0), {Sun, Mars, Ascendant}},
                                        {QStringLiteral("Earth"), 5, rgb(0, 128, 0), {}}};
    RecordingPaintDevice device;
    QPainter painter(&device);
    painter.setFont(ChartFonts::text());
    ScoreRowsPainter::paint(painter, rows, settings);
    painter.end();
    const PaintRecord &r = device.record();

    QCOMPARE(r.texts.size(), 2u + 3u + 2u);
    const auto expectText = [](const PaintRecord::Text &t, const QString &text, QPointF at, const QColor &colour) {
        QCOMPARE(t.text, text);
        QCOMPARE(t.topLeft(), at);
        QCOMPARE(t.colour, colour);
    };
    expectText(r.texts[0], QStringLiteral("Fire"), {10, 40}, QColor(255, 0, 0));
    QVERIFY(r.texts[0].font.bold());
    expectText(r.texts[1], QStringLiteral("  27"), {70, 40}, QColor(255, 0, 0));
    QVERIFY(r.texts[1].font.bold());
    // The glyphs share the label's baseline and keep a gap between them.
    double x = 100;
    for (int i = 0; i < 3; ++i) {
        const PaintRecord::Text &t = r.texts[2 + i];
        const int point = rows[0].points[i];
        QCOMPARE(t.text, glyph(settings.planetGlyphs[point]));
        QCOMPARE(t.baseline, QPointF(x, r.texts[0].baseline.y()));
        QCOMPARE(t.colour, toQColor(settings.planetColours[point]));
        QVERIFY(!t.font.bold());
        x += QFontMetrics(t.font).horizontalAdvance(t.text) + ScoreRowsPainter::GlyphGap;
    }
    QVERIFY(ScoreRowsPainter::GlyphGap > 0);
    expectText(r.texts[5], QStringLiteral("Earth"), {10, 60}, QColor(0, 128, 0));
    expectText(r.texts[6], QStringLiteral("   5"), {70, 60}, QColor(0, 128, 0));
}

void InfoWindowsTest::longLabelsMoveScoresAndGlyphsRight()
{
    const ChartSettings settings = ChartSettings::defaults();
    const std::vector<ScoreRow> rows = {{QStringLiteral("Fix"), 15, rgb(0, 0, 0), {Sun}},
                                        {QStringLiteral("Veränderlich Veränderlich"), 27, rgb(0, 0, 0), {Moon}}};
    RecordingPaintDevice device;
    QPainter painter(&device);
    painter.setFont(ChartFonts::text());
    ScoreRowsPainter::paint(painter, rows, settings);
    painter.end();
    const PaintRecord &r = device.record();

    QCOMPARE(r.texts.size(), 6u);
    const PaintRecord::Text &longLabel = r.texts[3];
    const double labelRight = longLabel.topLeft().x() + QFontMetrics(longLabel.font).horizontalAdvance(longLabel.text);
    const double shift = r.texts[4].topLeft().x() - ScoreRowsPainter::ScoreLeft;
    QVERIFY(shift > 0);
    QVERIFY(r.texts[4].topLeft().x() >= labelRight + ScoreRowsPainter::LabelGap);
    // Every row's score and glyphs move alike, so the columns stay aligned.
    for (const int score : {1, 4})
        QCOMPARE(r.texts[score].topLeft().x(), ScoreRowsPainter::ScoreLeft + shift);
    for (const int glyph : {2, 5})
        QCOMPARE(r.texts[glyph].baseline.x(), ScoreRowsPainter::GlyphsLeft + shift);
}

void InfoWindowsTest::triangleGridHasCellsBelowTheDiagonal()
{
    // Sun trine Moon, Moon square MC, and a pair outside the triangle (first not below second).
    const InfoSnapshot s = snapshotOf(ChartMode::Composite, {{Sun, 3, Moon}, {Moon, 2, Midheaven}, {Mars, 0, Venus}});
    const PaintRecord r = paintGrid(s);

    QCOMPARE(r.rects.size(), 1u + 78u);
    QCOMPARE(r.rects[0].rect, QRectF(20, 20, 207, 207)); // (20, 20)-(228, 228)
    QCOMPARE(r.rects[0].brush.color(), QColor(Qt::white));
    QCOMPARE(r.rects[1].rect, QRectF(20, 35, 15, 16));   // row 1, column 0: (20, 35)-(36, 52)
    QCOMPARE(r.rects[2].rect, QRectF(20, 51, 15, 16));   // row 2, column 0
    QCOMPARE(r.rects[3].rect, QRectF(35, 51, 16, 16));   // row 2, column 1: (35, 51)-(52, 68)

    QCOMPARE(r.texts[0].text, QStringLiteral("Ann / Bob"));
    QCOMPARE(r.texts[0].topLeft(), QPointF(20, 0));

    const auto trine = r.textsOf(glyph(s.settings.aspectGlyphs[3]));
    QCOMPARE(trine.size(), 1u);
    QCOMPARE(trine[0].topLeft().toPoint(), centredIn(trine[0], 20, 36, 16));
    QCOMPARE(trine[0].colour, toQColor(s.settings.aspectColours[3]));
    const auto square = r.textsOf(glyph(s.settings.aspectGlyphs[2]));
    QCOMPARE(square.size(), 1u);
    QCOMPARE(square[0].topLeft().toPoint(), centredIn(square[0], 20 + 16, 20 + 16 * 12, 16));
    QVERIFY(r.textsOf(glyph(s.settings.aspectGlyphs[0])).empty());

    for (int p = 0; p < PointCount; ++p) {
        const auto point = r.textsOf(glyph(s.settings.planetGlyphs[p]));
        QCOMPARE(point.size(), 1u);
        QCOMPARE(point[0].topLeft().toPoint(), centredIn(point[0], 20 + 16 * p, 20 + 16 * p, 16));
        QCOMPARE(point[0].colour, toQColor(s.settings.planetColours[p]));
    }
}

void InfoWindowsTest::squareGridHasHeadersAndTheFirstNameDownTheMargin()
{
    const InfoSnapshot s = snapshotOf(ChartMode::Synastry, {{Mercury, 4, Jupiter}});
    const PaintRecord r = paintGrid(s);

    QCOMPARE(r.rects.size(), 1u + 169u);
    QCOMPARE(r.rects[0].rect, QRectF(20, 20, 209, 209)); // (20, 20)-(230, 230)
    QCOMPARE(r.rects[1].rect, QRectF(35, 34, 14, 15));   // row 0, column 0: (35, 34)-(50, 50)
    QCOMPARE(r.rects[2].rect, QRectF(49, 34, 15, 15));   // row 0, column 1: (49, 34)-(65, 50)

    QCOMPARE(r.texts[0].text, QStringLiteral("Bob"));
    QCOMPARE(r.texts[0].topLeft(), QPointF(20, 0));
    int y = 20;
    for (int i = 0; i < 3; ++i) {
        const PaintRecord::Text &c = r.texts[1 + i];
        const QFontMetrics metrics(c.font);
        QCOMPARE(c.text, QString(QStringLiteral("Ann")[i]));
        QCOMPARE(c.topLeft(), QPointF((20 - metrics.horizontalAdvance(c.text)) / 2, y));
        y += metrics.height();
    }

    const auto opposition = r.textsOf(glyph(s.settings.aspectGlyphs[4]));
    QCOMPARE(opposition.size(), 1u);
    QCOMPARE(opposition[0].topLeft().toPoint(), centredIn(opposition[0], 20 + 15 * 6, 20 + 15 * 3, 15));
    for (int p = 0; p < PointCount; ++p) {
        const auto headers = r.textsOf(glyph(s.settings.planetGlyphs[p]));
        QCOMPARE(headers.size(), 2u);
        QCOMPARE(headers[0].topLeft().toPoint(), centredIn(headers[0], 20, 20 + 15 * (p + 1), 15));
        QCOMPARE(headers[1].topLeft().toPoint(), centredIn(headers[1], 20 + 15 * (p + 1), 20, 15));
    }
}

void InfoWindowsTest::emptyAspectListLeavesGridAndPointGlyphs()
{
    const PaintRecord single = paintGrid(snapshotOf(ChartMode::RadixI, {}));
    QCOMPARE(single.rects.size(), 79u);
    QCOMPARE(single.texts.size(), 1u + 13u);
    const PaintRecord two = paintGrid(snapshotOf(ChartMode::Transit, {}));
    QCOMPARE(two.rects.size(), 170u);
    QCOMPARE(two.texts.size(), 1u + 3u + 26u);
}

void InfoWindowsTest::windowsOpenWhereAvailable_data()
{
    QTest::addColumn<InfoWindow>("window");
    QTest::addColumn<ChartMode>("mode");
    const std::pair<InfoWindow, const char *> windows[] = {
        {InfoWindow::Houses, "Houses"},       {InfoWindow::Planets, "Planets"},
        {InfoWindow::Elements, "Elements"},   {InfoWindow::Qualities, "Qualities"},
        {InfoWindow::AspectsTable, "Table"},  {InfoWindow::AspectsGraphic, "Graphic"}};
    const std::pair<ChartMode, const char *> modes[] = {
        {ChartMode::RadixI, "RadixI"},       {ChartMode::RadixII, "RadixII"},   {ChartMode::Solar, "Solar"},
        {ChartMode::Composite, "Composite"}, {ChartMode::Synastry, "Synastry"}, {ChartMode::Transit, "Transit"}};
    for (const auto &[window, windowName] : windows) {
        const CommandId command = window == InfoWindow::Elements    ? CommandId::Elements
                                  : window == InfoWindow::Qualities ? CommandId::Qualities
                                                                    : CommandId::Houses;
        for (const auto &[mode, modeName] : modes)
            if (isAvailable(command, mode))
                QTest::addRow("%s in %s", windowName, modeName) << window << mode;
    }
}

void InfoWindowsTest::windowsOpenWhereAvailable()
{
    QFETCH(InfoWindow, window);
    QFETCH(ChartMode, mode);
    ChartSceneFixture charts;
    charts.show(mode);
    constexpr int Scale = 2;
    const std::unique_ptr<QDialog> dialog = InformationWindows::create(window, charts.scene(), Scale, nullptr);
    const InfoSnapshot snapshot = InfoSnapshot::take(charts.scene(), window);

    QCOMPARE(dialog->windowTitle(), InfoTables::title(window));
    QCOMPARE(dialog->height(), 300 * Scale);
    QVERIFY(dialog->width() >= 240 * Scale);
    const auto *name = dialog->findChild<QLabel *>(QStringLiteral("name"));
    QCOMPARE(name != nullptr, window != InfoWindow::AspectsGraphic);
    if (name)
        QCOMPARE(name->text(), InfoTables::name(window, snapshot));

    if (auto *report = dynamic_cast<ReportDialog *>(dialog.get())) {
        const InfoTable table = InfoTables::table(window, snapshot);
        QTreeWidget *list = report->list();
        QCOMPARE(list->columnCount(), static_cast<int>(table.columns.size()));
        QCOMPARE(list->topLevelItemCount(), static_cast<int>(table.rows.size()));
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        for (int c = 0; c < list->columnCount(); ++c) {
            QCOMPARE(list->headerItem()->text(c), table.columns[c].header);
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                QCOMPARE(list->topLevelItem(row)->text(c), table.rows[row][c]);
        }
    } else {
        QVERIFY(dynamic_cast<PaintedDialog *>(dialog.get()));
    }
    QVERIFY(!dialog->grab().isNull());
}

void InfoWindowsTest::paintedWindowsScale()
{
    ChartSceneFixture charts;
    charts.show(ChartMode::RadixI);
    const auto dialog = InformationWindows::create(InfoWindow::Elements, charts.scene(), 3, nullptr);
    RecordingPaintDevice device(dialog->size());
    QPainter painter(&device);
    static_cast<PaintedDialog &>(*dialog).paintContents(painter);
    painter.end();
    const PaintRecord &r = device.record();
    QVERIFY(!r.texts.empty());
    QCOMPARE(r.texts[0].text, QStringLiteral("Fire"));
    QCOMPARE(r.texts[0].topLeft(), QPointF(10 * 3, 40 * 3));

    // Scales are kept within 1 .. 8.
    QCOMPARE(InformationWindows::create(InfoWindow::Qualities, charts.scene(), 0, nullptr)->width(), 240);
    QCOMPARE(InformationWindows::create(InfoWindow::Qualities, charts.scene(), 20, nullptr)->width(), 240 * 8);
}

// The grid's frame and cells are filled with the dialog's own list background, so a
// window given a dark palette is not painted with the application's light one.
void InfoWindowsTest::aspectGraphicTakesTheWindowsColours()
{
    ChartSceneFixture charts;
    charts.show(ChartMode::RadixI);
    const auto dialog = InformationWindows::create(InfoWindow::AspectsGraphic, charts.scene(), 1, nullptr);
    const QColor dark(20, 30, 40);
    QVERIFY(QGuiApplication::palette().color(QPalette::Base) != dark);
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Base, dark);
    dialog->setPalette(palette);
    RecordingPaintDevice device(dialog->size());
    QPainter painter(&device);
    static_cast<PaintedDialog &>(*dialog).paintContents(painter);
    painter.end();
    const std::vector<PaintRecord::Shape> &rects = device.record().rects;
    QVERIFY(!rects.empty());
    QCOMPARE(rects.front().brush.color(), dark);
}

void InfoWindowsTest::reportColumnsFitTheirTexts_data()
{
    QTest::addColumn<InfoWindow>("window");
    QTest::addColumn<ChartMode>("mode");
    QTest::addColumn<int>("scale");
    const std::pair<InfoWindow, const char *> windows[] = {
        {InfoWindow::Houses, "Houses"}, {InfoWindow::Planets, "Planets"}, {InfoWindow::AspectsTable, "Aspects"}};
    for (const auto &[window, name] : windows)
        for (const ChartMode mode : {ChartMode::RadixI, ChartMode::Synastry})
            for (int scale = 1; scale <= 3; ++scale)
                QTest::addRow("%s, %s, scale %d", name, mode == ChartMode::RadixI ? "Radix I" : "Synastry", scale)
                    << window << mode << scale;
}

// No header or cell is cut, and the window is as wide as its columns need: the list
// scrolls sideways only in a window as wide as the screen.
void InfoWindowsTest::reportColumnsFitTheirTexts()
{
    QFETCH(InfoWindow, window);
    QFETCH(ChartMode, mode);
    QFETCH(int, scale);
    ChartSceneFixture charts;
    charts.show(mode);
    const std::unique_ptr<QDialog> dialog = InformationWindows::create(window, charts.scene(), scale, nullptr);
    QTreeWidget *list = static_cast<ReportDialog &>(*dialog).list();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    const QFontMetrics metrics(list->font());
    QCOMPARE(metrics.height(), QFontMetrics(ChartFonts::text(ChartFonts::TextPixelSize * scale)).height());
    for (int c = 0; c < list->columnCount(); ++c) {
        QVERIFY(static_cast<QAbstractItemView *>(list)->sizeHintForColumn(c) <= list->columnWidth(c));
        QVERIFY(list->header()->sectionSizeHint(c) <= list->columnWidth(c));
        QVERIFY2(metrics.horizontalAdvance(list->headerItem()->text(c)) < list->columnWidth(c),
                 qPrintable(list->headerItem()->text(c)));
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QString text = list->topLevelItem(row)->text(c);
            QVERIFY2(metrics.horizontalAdvance(text) < list->columnWidth(c), qPrintable(text));
        }
    }
    const auto *name = dialog->findChild<QLabel *>(QStringLiteral("name"));
    QVERIFY(name->geometry().right() < dialog->width());
    QCOMPARE(name->width(), list->width());

    const int screenWidth = dialog->screen()->availableGeometry().width();
    QVERIFY(dialog->width() <= screenWidth);
    if (dialog->width() < screenWidth)
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    else
        QVERIFY(list->horizontalScrollBar()->maximum() > 0);
    QVERIFY(list->geometry().right() < dialog->width());
}

QTEST_MAIN(InfoWindowsTest)
#include "InfoWindowsTest.moc"
