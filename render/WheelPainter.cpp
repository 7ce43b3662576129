#include "render/WheelPainter.h"

#include "engine/ChartMath.h"
#include "render/ChartFonts.h"
#include "render/QtColour.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvel {

namespace {

const QColor Grey(150, 150, 150);
const QColor HouseYellow(255, 255, 0);

bool isTwoChartMode(ChartMode mode) { return mode == ChartMode::Synastry || mode == ChartMode::Transit; }

// Degrees from `from` forward to `to`, 0 to under 360 for values in range.
double forwardArc(double from, double to)
{
    double arc = to - from;
    if (arc < 0)
        arc += 360 * std::ceil(-arc / 360);
    return arc;
}

} // namespace

void WheelPainter::paint(QPainter &painter, const ChartScene &scene, const WheelColours &colours)
{
    const ChartMode mode = scene.mode();
    if (mode < ChartMode::RadixI || mode > ChartMode::Transit)
        return;
    painter.save();
    WheelPainter(painter, scene, isTwoChartMode(mode) ? WheelLayout::twoRings() : WheelLayout::singleChart(), colours)
        .paintWheel();
    painter.restore();
}

void WheelPainter::paint(QPainter &painter, const ChartScene &scene, const WheelColours &colours, double scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, scale != 1.0);
    painter.setRenderHint(QPainter::TextAntialiasing, scale != 1.0);
    painter.scale(scale, scale);
    paint(painter, scene, colours);
    painter.restore();
}

QString WheelPainter::glyphText(int code)
{
    const bool character = code > 0 && code <= 0xFFFF && !QChar::isSurrogate(static_cast<char32_t>(code));
    return character ? QString(QChar(code)) : QString();
}

WheelPainter::WheelPainter(QPainter &painter, const ChartScene &scene, const WheelLayout &layout,
                           const WheelColours &colours)
    : m_canvas(painter), m_scene(scene), m_layout(layout),
      m_first(scene.engine.slot(layout.twoCharts ? 0 : scene.engine.currentSlot())),
      m_second(scene.engine.slot(1)),
      m_symbols(ChartFonts::symbols(layout.symbolHeight, layout.symbolWidth)),
      m_window(colours.window), m_ink(colours.ink)
{
}

double WheelPainter::angle(double longitude) const
{
    return wheelAngle(longitude, m_first.longitude[Ascendant]);
}

const HoroscopeRecord &WheelPainter::horoscope(int index) const
{
    const auto &list = m_scene.horoscopes;
    return index >= 0 && index < static_cast<int>(list.size()) ? list[index] : list.front();
}

void WheelPainter::paintWheel()
{
    QPainter &p = m_canvas.painter();
    p.setFont(ChartFonts::text());
    p.setPen(QPen(m_ink, 1));
    p.setBrush(Qt::NoBrush);
    p.setBackgroundMode(Qt::TransparentMode);

    // Until a chart has been computed the wheel shows its rings and title only.
    const bool chart = m_scene.commands.hasChart();
    paintDiscs();
    if (chart && !m_scene.settings.hideHouses)
        paintHouses();
    paintSignRing();
    if (chart) {
        paintPoints(m_first, false);
        if (m_layout.twoCharts)
            paintPoints(m_second, true);
    }
    if (chart && !m_scene.settings.hideAspects)
        paintAspects();
    paintCaptionAndTitle();
}

void WheelPainter::paintDiscs()
{
    QPainter &p = m_canvas.painter();
    p.fillRect(WheelCanvas::box(0, 0, WheelCanvas::Width, WheelCanvas::Height), m_window);
    p.setBrush(m_layout.twoCharts ? m_window : Grey);
    m_canvas.ellipse(WheelCanvas::box(0, 0, 240, 240));
    if (m_layout.twoCharts) {
        p.setBrush(Grey);
        m_canvas.ellipse(m_layout.zodiacDisc);
    }
    p.setBrush(m_window);
    m_canvas.ellipse(m_layout.innerDisc);
    p.setBrush(Qt::NoBrush);
}

void WheelPainter::paintHouses()
{
    QPainter &p = m_canvas.painter();
    p.save();
    p.setBrush(HouseYellow);
    const QPen thin(HouseYellow, 1);
    const QPen thick(HouseYellow, 2);
    const QFont numberFont = m_layout.twoCharts ? ChartFonts::sized(p.font(), 8, 3) : p.font();
    for (int h = 0; h < HouseCount; ++h) {
        const double cusp = m_first.cusp[h];
        p.setPen(h % 3 == 0 ? thick : thin); // houses 1, 4, 7 and 10
        m_canvas.line(angle(cusp), m_layout.houseLineRadius, 1);
        m_canvas.ellipse(WheelCanvas::box(119, 119, 121, 121));
        const double width = forwardArc(cusp, m_first.cusp[(h + 1) % HouseCount]);
        p.save();
        p.setFont(numberFont);
        m_canvas.centredText(WheelCanvas::point(angle(cusp + width / 2), m_layout.houseNumberRadius),
                             QString::number(h + 1));
        p.restore();
    }
    p.restore();
}

void WheelPainter::paintSignRing()
{
    for (int s = 0; s < SignCount; ++s) {
        const double start = 30.0 * s;
        m_canvas.line(angle(start), m_layout.zodiacInner, m_layout.zodiacOuter);
        glyph(WheelCanvas::point(angle(start + 15), m_layout.signGlyphRadius), m_scene.settings.signGlyphs[s],
              toQColor(m_scene.settings.elementColours[s % ElementCount]));
    }
}

void WheelPainter::paintPoints(const ChartSlot &slot, bool outside)
{
    QPainter &p = m_canvas.painter();
    p.save();
    for (int point = 0; point < PointCount; ++point) {
        const double level = slot.level[point];
        const double a = angle(slot.longitude[point]);
        const QColor colour = toQColor(m_scene.settings.planetColours[point]);
        p.setPen(QPen(colour, 1));
        m_canvas.line(a, m_layout.tickOuter, static_cast<int>(m_layout.tickInner - 5 * level));
        const int radius = outside ? static_cast<int>(m_layout.outerGlyphRadius + m_layout.outerGlyphLevelStep * level)
                                   : static_cast<int>(m_layout.glyphRadius - m_layout.glyphLevelStep * level);
        glyph(WheelCanvas::point(a, radius), m_scene.settings.planetGlyphs[point], colour);
    }
    p.restore();
}

void WheelPainter::paintAspects()
{
    QPainter &p = m_canvas.painter();
    p.save();
    const ChartSlot &to = m_layout.twoCharts ? m_second : m_first;
    for (const AspectCode &aspect : m_scene.engine.aspects()) {
        p.setPen(QPen(toQColor(m_scene.settings.aspectColours.at(aspect.kind)), 1));
        m_canvas.line(angle(m_first.longitude.at(aspect.first)), angle(to.longitude.at(aspect.second)),
                      m_layout.aspectRadius);
    }
    p.restore();
}

void WheelPainter::paintCaptionAndTitle()
{
    const int slot = m_scene.engine.currentSlot();
    const HoroscopeRecord &current = horoscope(slot);
    // Each caption line fits the wheel's width: names are cut with an ellipsis, the
    // coordinates of a place are always written whole.
    const QFontMetrics metrics = m_canvas.painter().fontMetrics();
    const int width = m_layout.captionBox.width();
    const auto fitted = [&](const QString &text, int room) {
        return metrics.elidedText(text, Qt::ElideRight, std::max(room, 0));
    };
    const auto place = [&](const HoroscopeRecord &who, const QString &city, const QString &longitude,
                           const QString &latitude) {
        const QString coordinates = QStringLiteral(" (") + longitude + u' ' + latitude + u')';
        return fitted(who.name + u' ', width) + u'\n' +
               fitted(city, width - metrics.horizontalAdvance(coordinates)) + coordinates;
    };
    const QString pair = fitted(horoscope(0).name + QStringLiteral(" / ") + horoscope(1).name, width);
    QString caption;
    QString title;
    switch (m_scene.mode()) {
    case ChartMode::RadixI:
    case ChartMode::RadixII:
        caption = place(current, current.city, current.longitude, current.latitude);
        title = m_scene.mode() == ChartMode::RadixI ? tr("Radix I") : tr("Radix II");
        break;
    case ChartMode::Solar: {
        const ChartPlace solar = m_scene.commands.solarPlace().value_or(ChartPlace{});
        caption = place(current, solar.city, solar.longitude, solar.latitude);
        title = tr("Solar\n%1").arg(m_scene.commands.solarMoment().year());
        break;
    }
    case ChartMode::Composite:
        caption = pair;
        title = tr("Composite");
        break;
    case ChartMode::Synastry:
        caption = pair;
        title = tr("Synastry");
        break;
    case ChartMode::Transit:
        caption = fitted(current.name + QStringLiteral(" / ") + tr("Current transits"), width);
        title = tr("Transit");
        break;
    }
    const bool twoLines = m_scene.mode() <= ChartMode::Solar;
    m_canvas.flowText(twoLines ? m_layout.captionBox : m_layout.shortCaptionBox, caption);
    m_canvas.flowText(m_layout.titleBox, title);
}

void WheelPainter::glyph(QPoint at, int code, const QColor &colour)
{
    QPainter &p = m_canvas.painter();
    p.save();
    if (m_symbols)
        p.setFont(*m_symbols);
    p.setPen(colour);
    m_canvas.centredText(at, glyphText(code));
    p.restore();
}

} // namespace orvel
