#include "render/AspectGridPainter.h"

#include "render/InfoTables.h"
#include "render/PlainText.h"
#include "render/ChartFonts.h"
#include "render/QtColour.h"

#include <algorithm>

namespace orvel {

namespace {

// The rectangle whose outline covers the pixels from (left, top) to (right - 1,
// bottom - 1): a 1-pixel outline in Qt lies one pixel beyond the rectangle's width.
QRect outline(int left, int top, int right, int bottom)
{
    return {left, top, right - left - 1, bottom - top - 1};
}

} // namespace

void AspectGridPainter::paint(QPainter &painter, const InfoSnapshot &snapshot, const QColor &window)
{
    const QFont current = painter.font();
    const QBrush brush = painter.brush();
    const QPen pen = painter.pen();
    const bool two = snapshot.twoCharts();
    const int right = two ? 230 : 228;
    painter.setPen(Qt::black);
    painter.setBrush(window);
    painter.drawRect(outline(Left, Top, right, right));

    PlainText::draw(painter, Left, 0, InfoTables::name(InfoWindow::AspectsGraphic, snapshot));
    if (two) {
        int y = Top;
        for (const QChar c : snapshot.firstName) {
            const QSize e = PlainText::extent(painter, QString(c));
            PlainText::draw(painter, (Left - e.width()) / 2, y, QString(c));
            y += e.height();
        }
    }

    painter.setFont(ChartFonts::symbols(17, 8).value_or(current));
    if (two)
        paintSquare(painter, snapshot);
    else
        paintTriangle(painter, snapshot);
    painter.setFont(current);
    painter.setBrush(brush);
    painter.setPen(pen);
}

void AspectGridPainter::paintTriangle(QPainter &painter, const InfoSnapshot &snapshot)
{
    constexpr int C = TriangleCell;
    for (int r = 0; r < PointCount; ++r) {
        for (int m = 0; m < r; ++m) {
            painter.setPen(Qt::black);
            painter.drawRect(outline(m == 0 ? Left : Left + C * m - 1, Top + C * r - 1, Left + C * (m + 1), Top + C * r + C));
            paintAspect(painter, snapshot, m, r, Left + C * m, Top + C * r, C);
        }
        paintPoint(painter, snapshot, r, Left + C * r, Top + C * r, C);
    }
}

void AspectGridPainter::paintSquare(QPainter &painter, const InfoSnapshot &snapshot)
{
    constexpr int C = SquareCell;
    for (int i = 0; i < PointCount; ++i) {
        const int top = Top + C * (i + 1);
        for (int m = 0; m < PointCount; ++m) {
            painter.setPen(Qt::black);
            painter.drawRect(outline(m == 0 ? Left + C : Left + C * (m + 1) - 1, top - 1, Left + C * (m + 2), top + C));
            paintAspect(painter, snapshot, i, m, Left + C * (m + 1), top, C);
        }
        paintPoint(painter, snapshot, i, Left, top, C);
        paintPoint(painter, snapshot, i, Left + C * (i + 1), Top, C);
    }
}

void AspectGridPainter::paintAspect(QPainter &painter, const InfoSnapshot &snapshot, int first, int second, int x,
                                    int y, int cell)
{
    const auto &aspects = snapshot.aspects;
    const auto hit = std::find_if(aspects.begin(), aspects.end(),
                                  [&](const AspectCode &a) { return a.first == first && a.second == second; });
    if (hit == aspects.end())
        return;
    painter.setPen(toQColor(snapshot.settings.aspectColours[hit->kind]));
    PlainText::centre(painter, x, y, cell, QString(QChar(snapshot.settings.aspectGlyphs[hit->kind])));
}

void AspectGridPainter::paintPoint(QPainter &painter, const InfoSnapshot &snapshot, int point, int x, int y, int cell)
{
    painter.setPen(toQColor(snapshot.settings.planetColours[point]));
    PlainText::centre(painter, x, y, cell, QString(QChar(snapshot.settings.planetGlyphs[point])));
}

} // namespace orvel
