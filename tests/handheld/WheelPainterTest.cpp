// The wheel painters, checked on a recording paint device: geometry, radii by glyph
// level, the two-ring layout, hiding flags, titles and captions.
#include "RecordingPaintDevice.h"

#include "engine/ChartCommands.h"
#include "engine/ChartEngine.h"
#include "engine/ChartMath.h"
#include "engine/Ephemeris.h"
#include "engine/OffsetLookup.h"
#include "handheld/chart/WheelCanvas.h"
#include "handheld/chart/WheelPainter.h"
#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"
#include "platform/gui/ChartFonts.h"
#include "platform/gui/QtColour.h"

#include <QPainter>
#include <QTest>
#include <cmath>

using namespace orvel;

namespace {

class NoPlaces : public OffsetLookup {
public:
    std::optional<ChartPlace> findPlace(const QString &, const QString &) override { return std::nullopt; }
    bool offsetAt(const ChartPlace &, const DateTime &, double &offset) override
    {
        offset = 2.0;
        return true;
    }
};

double radiusOf(QPointF p) { return std::hypot(p.x() - WheelCanvas::Centre, p.y() - WheelCanvas::Centre); }

} // namespace

class WheelPainterTest : public QObject {
    Q_OBJECT

    RecordingMessageSink ui;
    ChartEngine engine{ui};
    ChartSettings settings = ChartSettings::defaults();
    Clock clock;
    NoPlaces places;
    std::vector<HoroscopeRecord> horoscopes;
    std::unique_ptr<ChartCommands> commands;

    std::unique_ptr<RecordingPaintDevice> paint()
    {
        auto device = std::make_unique<RecordingPaintDevice>();
        QPainter painter(device.get());
        WheelPainter::paint(painter, ChartScene{engine, *commands, settings, horoscopes});
        return device;
    }

    void show(ChartMode mode)
    {
        switch (mode) {
        case ChartMode::RadixI: commands->showRadixI(); break;
        case ChartMode::RadixII: commands->showRadixII(); break;
        case ChartMode::Solar:
            commands->showRadixI();
            commands->showSolar(2030, ChartPlace{"Vienna", "Austria", "48°12' N", "16°22' E", "A", 1});
            break;
        case ChartMode::Composite: commands->showComposite(); break;
        case ChartMode::Synastry: commands->showSynastry(); break;
        case ChartMode::Transit: commands->showRadixI(); commands->showTransit(); break;
        }
    }

    // The glyph of `point` as drawn; the second chart's is the later of the two.
    DrawnPrimitive glyphOf(const RecordingPaintDevice &device, int point, bool second = false)
    {
        const auto found = device.textsEqualTo(QString(QChar(settings.planetGlyphs[point])));
        if (found.empty())
            return {};
        return second ? found.back() : found.front();
    }

private slots:
    void initTestCase()
    {
        Ephemeris::setDataFolder(QStringLiteral(ORVEL_EPHE_DIR));
        ChartFonts::registerSymbolFont(QStringLiteral(ORVEL_PROGRAM_DIR));
        clock.fix(DateTime(2026, 12, 8, 12, 0, 0));
        clock.fixZone(QTimeZone("Europe/Vienna"));
    }

    void init()
    {
        settings = ChartSettings::defaults();
        horoscopes.clear();
        HoroscopeRecord first = HoroscopeRecord::createDefault(DateTime(1980, 4, 12, 9, 15, 0));
        first.name = QStringLiteral("Ada");
        first.city = QStringLiteral("Berlin");
        first.latitude = QStringLiteral("52°31' N");
        first.longitude = QStringLiteral("13°24' E");
        first.deltaGmt = 2;
        HoroscopeRecord second = HoroscopeRecord::createDefault(DateTime(1991, 11, 3, 22, 40, 0));
        second.name = QStringLiteral("Ben");
        horoscopes = {first, second};
        commands = std::make_unique<ChartCommands>(engine, horoscopes, settings, clock, places, ui);
    }

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
        show(ChartMode(mode));
        ChartSlot &slot = engine.slot(second ? 1 : engine.currentSlot());
        slot.level[Sun] = level;
        const auto device = paint();
        const DrawnPrimitive glyph = glyphOf(*device, Sun, second);
        QCOMPARE(glyph.pen, toQColor(settings.planetColours[Sun]));
        QVERIFY2(std::abs(radiusOf(glyph.textCentre()) - radius) <= 1.5,
                 qPrintable(QStringLiteral("radius %1").arg(radiusOf(glyph.textCentre()))));
        // The tick ends 5 pixels further in at each level.
        const int tickOuter = mode == 1 ? 90 : 70;
        const double sunAngle = wheelAngle(slot.longitude[Sun], engine.slot(mode == 1 ? 0 : 0).longitude[Ascendant]);
        const QLineF tick(WheelCanvas::point(sunAngle, tickOuter),
                          WheelCanvas::point(sunAngle, tickOuter - 5 - 5 * level));
        bool found = false;
        for (const DrawnPrimitive &line : device->lines())
            found = found || (line.line == tick && line.pen == toQColor(settings.planetColours[Sun]));
        QVERIFY(found);
    }

    void acStandsLeftAndMcAboveInANorthernChart()
    {
        show(ChartMode::RadixI);
        const auto device = paint();
        const QColor acColour = toQColor(settings.planetColours[Ascendant]);
        const double level = engine.slot(0).level[Ascendant];
        const QLineF tick(QPointF(30, 119), WheelCanvas::point(0, static_cast<int>(85 - 5 * level)));
        bool found = false;
        for (const DrawnPrimitive &line : device->lines())
            found = found || (line.line == tick && line.pen == acColour);
        QVERIFY(found);
        QVERIFY(glyphOf(*device, Ascendant).textCentre().x() < 60);
        QVERIFY(glyphOf(*device, Midheaven).textCentre().y() < WheelCanvas::Centre);
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
        show(ChartMode(mode));
        settings.hideHouses = hideHouses;
        settings.hideAspects = hideAspects;
        const std::vector<AspectCode> aspects = engine.aspects();
        QVERIFY(!aspects.empty());
        const auto device = paint();

        int yellowLines = 0, yellowNumbers = 0, aspectLines = 0, blackSignLines = 0;
        const int aspectRadius = mode == 1 ? 60 : 40;
        const int zodiacInner = mode == 1 ? 90 : 70;
        for (const DrawnPrimitive &p : device->primitives()) {
            if (p.kind == DrawnPrimitive::Kind::Line && p.pen == QColor(255, 255, 0))
                ++yellowLines;
            if (p.kind == DrawnPrimitive::Kind::Text && p.pen == QColor(255, 255, 0))
                ++yellowNumbers;
            if (p.kind == DrawnPrimitive::Kind::Line && std::abs(radiusOf(p.line.p1()) - aspectRadius) <= 1.5 &&
                std::abs(radiusOf(p.line.p2()) - aspectRadius) <= 1.5)
                ++aspectLines;
            if (p.kind == DrawnPrimitive::Kind::Line && p.pen == QColor(Qt::black) &&
                std::abs(radiusOf(p.line.p1()) - zodiacInner) <= 1.5 &&
                std::abs(radiusOf(p.line.p2()) - zodiacInner - (mode == 1 ? 30 : 20)) <= 1.5)
                ++blackSignLines;
        }
        QCOMPARE(yellowLines, hideHouses ? 0 : 12);
        QCOMPARE(yellowNumbers, hideHouses ? 0 : 12);
        QCOMPARE(aspectLines, hideAspects ? 0 : static_cast<int>(aspects.size()));
        QCOMPARE(blackSignLines, 12);
        QVERIFY(engine.aspects() == aspects); // hiding never touches the list
    }

    void titlesAndCaptionsByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("title");
        QTest::addColumn<QStringList>("caption");
        QTest::newRow("Radix I") << 1 << QStringList{"Radix I"} << QStringList{"Ada ", "Berlin (13°24' E 52°31' N)"};
        QTest::newRow("Radix II, no place") << 2 << QStringList{"Radix II"} << QStringList{"Ben ", " ( )"};
        QTest::newRow("Solar, year on its own line") << 3 << QStringList{"Solar", "2030"}
                                                     << QStringList{"Ada ", "Vienna (16°22' E 48°12' N)"};
        QTest::newRow("Composite") << 4 << QStringList{"Composite"} << QStringList{"Ada / Ben"};
        QTest::newRow("Synastry") << 5 << QStringList{"Synastry"} << QStringList{"Ada / Ben"};
        QTest::newRow("Transit") << 6 << QStringList{"Transit"} << QStringList{"Ada / Current transits"};
    }
    void titlesAndCaptionsByMode()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, title);
        QFETCH(QStringList, caption);
        show(ChartMode(mode));
        const auto device = paint();
        const auto texts = device->texts();
        QStringList last;
        for (auto it = texts.end() - (title.size() + caption.size()); it != texts.end(); ++it)
            last.append(it->text);
        QCOMPARE(last, caption + title);
        const QRectF titleBox = WheelCanvas::box(5, 5, 120, mode >= 5 ? 20 : 35);
        QVERIFY(titleBox.contains(texts.back().baseline.toPoint() - QPoint(0, 1)) || title.size() > 1);
        const int captionTop = mode <= 3 ? 240 : 250;
        QVERIFY(texts[texts.size() - title.size() - caption.size()].rect.top() >= captionTop - 1);
    }

    void twoRingHouseNumbersUseASmallFont()
    {
        show(ChartMode::Synastry);
        const auto device = paint();
        const auto one = device->textsEqualTo(QStringLiteral("1"));
        QVERIFY(!one.empty());
        QCOMPARE(one.front().font.pixelSize(), 8);
        QVERIFY(std::abs(radiusOf(one.front().textCentre()) - 35) <= 2.5);
    }

    void drawsInTheWheelsOrder()
    {
        show(ChartMode::RadixI);
        const auto device = paint();
        const auto &all = device->primitives();
        const auto index = [&](auto predicate) {
            return std::find_if(all.begin(), all.end(), predicate) - all.begin();
        };
        const auto firstHouse = index([](const DrawnPrimitive &p) { return p.pen == QColor(255, 255, 0); });
        const auto firstSign = index([&](const DrawnPrimitive &p) {
            return p.kind == DrawnPrimitive::Kind::Text && p.text == QString(QChar(settings.signGlyphs[0]));
        });
        const auto firstPoint = index([&](const DrawnPrimitive &p) {
            return p.kind == DrawnPrimitive::Kind::Text && p.text == QString(QChar(settings.planetGlyphs[0]));
        });
        QCOMPARE(all.front().kind, DrawnPrimitive::Kind::Rect); // the background first
        QVERIFY(firstHouse < firstSign);
        QVERIFY(firstSign < firstPoint);
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
