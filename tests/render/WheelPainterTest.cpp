// The wheel painters, checked on a recording paint device: geometry, radii by glyph
// level, the two-ring layout, hiding flags, titles and captions.
#include "support/ChartSceneFixture.h"
#include "support/RecordingPaintDevice.h"

#include "engine/ChartCommands.h"
#include "engine/ChartEngine.h"
#include "engine/ChartMath.h"
#include "engine/Ephemeris.h"
#include "engine/OffsetLookup.h"
#include "render/WheelCanvas.h"
#include "render/WheelPainter.h"
#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"
#include "render/ChartFonts.h"
#include "render/QtColour.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QTest>
#include <cmath>

using namespace orvel;

namespace {

double radiusOf(QPointF p) { return std::hypot(p.x() - WheelCanvas::Centre, p.y() - WheelCanvas::Centre); }

// The centre of a text's extent, where a centred text was aimed.
QPointF centreOf(const PaintRecord::Text &text)
{
    const QFontMetricsF metrics(text.font);
    return text.topLeft() + QPointF(metrics.horizontalAdvance(text.text) / 2, metrics.height() / 2);
}

bool isYellow(const QColor &colour) { return colour == QColor(255, 255, 0); }

} // namespace

class WheelPainterTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ChartSceneFixture> f;

    std::unique_ptr<RecordingPaintDevice> paint(const WheelColours &colours = {Qt::white, Qt::black})
    {
        auto device = std::make_unique<RecordingPaintDevice>();
        QPainter painter(device.get());
        WheelPainter::paint(painter, f->scene(), colours);
        return device;
    }

    // The glyph of `point` as drawn; the second chart's is the later of the two.
    PaintRecord::Text glyphOf(const RecordingPaintDevice &device, int point, bool second = false)
    {
        const auto found = device.record().textsOf(QString(QChar(f->settings.planetGlyphs[point])));
        if (found.empty())
            return {};
        return second ? found.back() : found.front();
    }

    bool hasLine(const RecordingPaintDevice &device, const QLineF &line, const QColor &colour)
    {
        const auto &lines = device.record().lines;
        return std::any_of(lines.begin(), lines.end(),
                           [&](const PaintRecord::Line &l) { return l.line == line && l.pen.color() == colour; });
    }

private slots:
    void initTestCase() { ChartFonts::registerSymbolFont(QStringLiteral(ORVEL_PROGRAM_DIR)); }

    void init() { f = std::make_unique<ChartSceneFixture>(); }

    void screenPointDropsFractionsTowardsZero_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<int>("radius");
        QTest::addColumn<QPoint>("expected");
        // The old value of pi lands a hair beside the axes: the fraction is dropped.
        QTest::newRow("AC at the left") << 0.0 << 90 << QPoint(30, 119);
        QTest::newRow("90 straight below") << 90.0 << 90 << QPoint(119, 210);
        QTest::newRow("180 at the right") << 180.0 << 90 << QPoint(210, 120);
        QTest::newRow("270 straight above") << 270.0 << 90 << QPoint(119, 30);
        QTest::newRow("45 lower left") << 45.0 << 90 << QPoint(56, 183);
        QTest::newRow("sign glyph of Aries, AC at 0") << 15.0 << 105 << QPoint(18, 147);
        QTest::newRow("just before a whole turn") << 359.9999 << 120 << QPoint(0, 119);
    }
    void screenPointDropsFractionsTowardsZero()
    {
        QFETCH(double, angle);
        QFETCH(int, radius);
        QFETCH(QPoint, expected);
        QCOMPARE(WheelCanvas::point(angle, radius), expected);
    }

    void glyphRadiusFollowsTheLevel_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("second");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("radius");
        QTest::newRow("single, level 0") << 1 << false << 0 << 75;
        QTest::newRow("single, level 1") << 1 << false << 1 << 60;
        QTest::newRow("single, level 2") << 1 << false << 2 << 45;
        QTest::newRow("two rings inside, level 0") << 5 << false << 0 << 60;
        QTest::newRow("two rings inside, level 1") << 5 << false << 1 << 50;
        QTest::newRow("two rings inside, level 2") << 5 << false << 2 << 40;
        QTest::newRow("two rings outside, level 0") << 5 << true << 0 << 96;
        QTest::newRow("two rings outside, level 1") << 5 << true << 1 << 105;
        QTest::newRow("two rings outside, level 2") << 5 << true << 2 << 114;
    }
    void glyphRadiusFollowsTheLevel()
    {
        QFETCH(int, mode);
        QFETCH(bool, second);
        QFETCH(int, level);
        QFETCH(int, radius);
        f->show(ChartMode(mode));
        ChartSlot &slot = f->engine.slot(second ? 1 : f->engine.currentSlot());
        slot.level[Sun] = level;
        const auto device = paint();
        const PaintRecord::Text glyph = glyphOf(*device, Sun, second);
        QCOMPARE(glyph.colour, toQColor(f->settings.planetColours[Sun]));
        QVERIFY2(std::abs(radiusOf(centreOf(glyph)) - radius) <= 1.5,
                 qPrintable(QStringLiteral("radius %1").arg(radiusOf(centreOf(glyph)))));
        // The tick ends 5 pixels further in at each level.
        const int tickOuter = mode == 1 ? 90 : 70;
        const double sunAngle = wheelAngle(slot.longitude[Sun], f->engine.slot(0).longitude[Ascendant]);
        const QLineF tick(WheelCanvas::point(sunAngle, tickOuter),
                          WheelCanvas::point(sunAngle, tickOuter - 5 - 5 * level));
        QVERIFY(hasLine(*device, tick, toQColor(f->settings.planetColours[Sun])));
    }

    // The wheel takes the window and ink colours of the surface it is painted on, not
    // the application's: a dark window gets a dark wheel with light lines and texts.
    void wheelFollowsTheColoursItIsGiven_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("single chart") << int(ChartMode::RadixI);
        QTest::newRow("two rings") << int(ChartMode::Synastry);
    }
    void wheelFollowsTheColoursItIsGiven()
    {
        QFETCH(int, mode);
        f->show(ChartMode(mode));
        const WheelColours dark{QColor(20, 30, 40), QColor(230, 220, 210)};
        QVERIFY(QGuiApplication::palette().color(QPalette::Base) != dark.window);
        const auto device = paint(dark);
        const PaintRecord &r = device->record();
        QVERIFY(!r.rects.empty());
        QCOMPARE(r.rects.front().brush.color(), dark.window);
        const auto innerDisc = std::find_if(r.ellipses.begin(), r.ellipses.end(), [&](const PaintRecord::Shape &e) {
            return e.brush.style() != Qt::NoBrush && e.brush.color() == dark.window;
        });
        QVERIFY(innerDisc != r.ellipses.end());
        const auto inked = [](const PaintRecord &record, const QColor &colour) {
            return std::count_if(record.lines.begin(), record.lines.end(),
                                 [&](const PaintRecord::Line &l) { return l.pen.color() == colour; });
        };
        // Every line the black ink draws on white is drawn in the given ink; black ones
        // left are the settings' own colours.
        const auto light = paint();
        const QColor black(Qt::black);
        QVERIFY(inked(r, dark.ink) >= 12); // at least the sign boundaries
        QCOMPARE(inked(light->record(), black), inked(r, dark.ink) + inked(r, black));
        const auto title = std::find_if(r.texts.begin(), r.texts.end(),
                                        [&](const PaintRecord::Text &t) { return t.colour == dark.ink; });
        QVERIFY(title != r.texts.end());
    }

    void acStandsLeftAndMcAboveInANorthernChart()
    {
        f->show(ChartMode::RadixI);
        const auto device = paint();
        const QColor acColour = toQColor(f->settings.planetColours[Ascendant]);
        const double level = f->engine.slot(0).level[Ascendant];
        const QLineF tick(QPointF(30, 119), WheelCanvas::point(0, static_cast<int>(85 - 5 * level)));
        QVERIFY(hasLine(*device, tick, acColour));
        QVERIFY(centreOf(glyphOf(*device, Ascendant)).x() < 60);
        QVERIFY(centreOf(glyphOf(*device, Midheaven)).y() < WheelCanvas::Centre);
    }

    void hidingFlagsLeaveOutHousesOrAspects_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("hideHouses");
        QTest::addColumn<bool>("hideAspects");
        for (int mode : {1, 5})
            for (bool houses : {false, true})
                for (bool aspects : {false, true})
                    QTest::addRow("mode %d, houses %s, aspects %s", mode, houses ? "hidden" : "shown",
                                  aspects ? "hidden" : "shown")
                        << mode << houses << aspects;
    }
    void hidingFlagsLeaveOutHousesOrAspects()
    {
        QFETCH(int, mode);
        QFETCH(bool, hideHouses);
        QFETCH(bool, hideAspects);
        f->show(ChartMode(mode));
        f->settings.hideHouses = hideHouses;
        f->settings.hideAspects = hideAspects;
        const std::vector<AspectCode> aspects = f->engine.aspects();
        QVERIFY(!aspects.empty());
        const auto device = paint();

        int yellowLines = 0, yellowNumbers = 0, aspectLines = 0, blackSignLines = 0;
        const int aspectRadius = mode == 1 ? 60 : 40;
        const int zodiacInner = mode == 1 ? 90 : 70;
        for (const PaintRecord::Line &p : device->record().lines) {
            yellowLines += isYellow(p.pen.color());
            aspectLines += std::abs(radiusOf(p.line.p1()) - aspectRadius) <= 1.5 &&
                           std::abs(radiusOf(p.line.p2()) - aspectRadius) <= 1.5;
            blackSignLines += p.pen.color() == QColor(Qt::black) && std::abs(radiusOf(p.line.p1()) - zodiacInner) <= 1.5 &&
                              std::abs(radiusOf(p.line.p2()) - zodiacInner - (mode == 1 ? 30 : 20)) <= 1.5;
        }
        for (const PaintRecord::Text &text : device->record().texts)
            yellowNumbers += isYellow(text.colour);
        QCOMPARE(yellowLines, hideHouses ? 0 : 12);
        QCOMPARE(yellowNumbers, hideHouses ? 0 : 12);
        QCOMPARE(aspectLines, hideAspects ? 0 : static_cast<int>(aspects.size()));
        QCOMPARE(blackSignLines, 12);
        QVERIFY(f->engine.aspects() == aspects); // hiding never touches the list
    }

    void titlesAndCaptionsByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("title");
        QTest::addColumn<QStringList>("caption");
        QTest::addColumn<bool>("noPlace");
        QTest::newRow("Radix I") << 1 << QStringList{"Radix I"} << QStringList{"First ", "First City (13°24' E 52°31' N)"} << false;
        QTest::newRow("Radix II") << 2 << QStringList{"Radix II"} << QStringList{"Second ", "Second City (58°22' W 34°36' S)"} << false;
        QTest::newRow("Radix II, no place") << 2 << QStringList{"Radix II"} << QStringList{"Second ", " ( )"} << true;
        QTest::newRow("Solar, year on its own line") << 3 << QStringList{"Solar", "2020"}
                                                     << QStringList{"First ", "Munich (11°34' E 48°08' N)"} << false;
        QTest::newRow("Composite") << 4 << QStringList{"Composite"} << QStringList{"First / Second"} << false;
        QTest::newRow("Synastry") << 5 << QStringList{"Synastry"} << QStringList{"First / Second"} << false;
        QTest::newRow("Transit") << 6 << QStringList{"Transit"} << QStringList{"First / Current transits"} << false;
    }
    void titlesAndCaptionsByMode()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, title);
        QFETCH(QStringList, caption);
        QFETCH(bool, noPlace);
        if (noPlace) {
            f->horoscopes[1] = ChartSceneFixture::record(QStringLiteral("Second"), DateTime(1991, 11, 3, 22, 40, 0), {}, {}, 0);
            f->horoscopes[1].city.clear();
        }
        f->show(ChartMode(mode));
        const auto device = paint();
        const auto &texts = device->record().texts;
        QStringList last;
        for (auto it = texts.end() - (title.size() + caption.size()); it != texts.end(); ++it)
            last.append(it->text);
        QCOMPARE(last, caption + title);
        const QRectF titleBox = WheelCanvas::box(5, 5, 120, mode >= 5 ? 20 : 35);
        QVERIFY(titleBox.contains(texts[texts.size() - title.size()].topLeft().toPoint()));
        const int captionTop = mode <= 3 ? 240 : 250;
        QCOMPARE(texts[texts.size() - title.size() - caption.size()].topLeft().toPoint(), QPoint(10, captionTop));
    }

    // Long names are cut to the wheel's width; a place's coordinates stay whole.
    void longCaptionsFitTheWheel_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("kept"); // written whole at the end of the last line
        const QString longName = QStringLiteral("Maximiliane Theodora von und zu Hohenzollern-Sigmaringen");
        const QString longCity = QStringLiteral("M\u00fcnchweiler an der Rodalb bei Pirmasens in der Westpfalz");
        QTest::newRow("Radix I, long city") << 1 << QStringLiteral("First") << longCity << QStringLiteral(" (13°24' E 52°31' N)");
        QTest::newRow("Radix I, long name") << 1 << longName << QStringLiteral("Rome") << QStringLiteral("Rome (13°24' E 52°31' N)");
        QTest::newRow("Composite, long name") << 4 << longName << QString() << QString();
        QTest::newRow("Transit, long name") << 6 << longName << QString() << QString();
    }
    void longCaptionsFitTheWheel()
    {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QString, city);
        QFETCH(QString, kept);
        f->horoscopes[0].name = name;
        f->horoscopes[0].city = city;
        f->show(ChartMode(mode));
        const auto device = paint();
        const auto &texts = device->record().texts;
        const int lines = mode <= 3 ? 2 : 1;
        const int titleLines = 1;
        for (int i = 0; i < lines; ++i) {
            const PaintRecord::Text &line = texts[texts.size() - titleLines - lines + i];
            QVERIFY2(line.topLeft().x() + QFontMetricsF(line.font).horizontalAdvance(line.text) <= 240, qPrintable(line.text));
        }
        const QString last = texts[texts.size() - titleLines - 1].text;
        QVERIFY(last.endsWith(kept));
        const QString cut = mode <= 3 && city.size() > 10 ? texts[texts.size() - titleLines - 1].text
                                                           : texts[texts.size() - titleLines - lines].text;
        QVERIFY2(cut.contains(QChar(0x2026)), qPrintable(cut));
    }

    void twoRingHouseNumbersUseASmallFont()
    {
        f->show(ChartMode::Synastry);
        const auto device = paint();
        const auto one = device->record().textsOf(QStringLiteral("1"));
        QVERIFY(!one.empty());
        QCOMPARE(one.front().font.pixelSize(), 8);
        QVERIFY(std::abs(radiusOf(centreOf(one.front())) - 35) <= 2.5);
    }

    void drawsHousesThenSignsThenPoints()
    {
        f->show(ChartMode::RadixI);
        const auto device = paint();
        const auto &texts = device->record().texts;
        const auto index = [&](auto predicate) { return std::find_if(texts.begin(), texts.end(), predicate) - texts.begin(); };
        const auto firstHouse = index([](const PaintRecord::Text &t) { return isYellow(t.colour); });
        const auto firstSign = index([&](const PaintRecord::Text &t) { return t.text == QChar(f->settings.signGlyphs[0]); });
        const auto firstPoint = index([&](const PaintRecord::Text &t) { return t.text == QChar(f->settings.planetGlyphs[0]); });
        QVERIFY(firstHouse < firstSign);
        QVERIFY(firstSign < firstPoint);
        QCOMPARE(device->record().rects.front().rect, QRectF(0, 0, 240, 270)); // the background first
    }

    // Before any chart was computed (the first one refused): rings, signs and the title,
    // but no houses, points or aspects.
    void withoutAChartOnlyRingsAndTitle()
    {
        f->horoscopes[0].birth = DateTime(9000, 6, 1, 12, 0, 0);
        QVERIFY(!f->commands.showRadixI());
        const auto device = paint();
        const auto &record = device->record();
        QVERIFY(std::none_of(record.lines.begin(), record.lines.end(),
                             [](const PaintRecord::Line &l) { return isYellow(l.pen.color()); }));
        for (int point = 0; point < PointCount; ++point)
            QVERIFY2(record.textsOf(QString(QChar(f->settings.planetGlyphs[point]))).empty(), qPrintable(QString::number(point)));
        for (int sign = 0; sign < SignCount; ++sign)
            QCOMPARE(record.textsOf(QString(QChar(f->settings.signGlyphs[sign]))).size(), std::size_t{1});
        QCOMPARE(record.texts.back().text, QStringLiteral("Radix I"));
        QVERIFY(!record.ellipses.empty());
    }

    void glyphCodesThatAreNoCharacterDrawNothing_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("default Sun") << 47 << QStringLiteral("/");
        QTest::newRow("zero") << 0 << QString();
        QTest::newRow("negative") << -5 << QString();
        QTest::newRow("surrogate") << 0xD800 << QString();
        QTest::newRow("beyond 16 bits") << 0x1F600 << QString();
    }
    void glyphCodesThatAreNoCharacterDrawNothing()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(WheelPainter::glyphText(code), text);
    }
};

QTEST_MAIN(WheelPainterTest)
#include "WheelPainterTest.moc"
