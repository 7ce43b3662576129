#pragma once

#include "render/InfoSnapshot.h"

#include <QColor>
#include <QPainter>

namespace orvel {

// Paints the aspect graphic in the window's logical coordinates: for one chart a
// triangle of 16-pixel cells below the diagonal of point glyphs, for two charts a
// square of 15-pixel cells with the point glyphs as row and column headers.
class AspectGridPainter {
public:
    static constexpr int Left = 20;
    static constexpr int Top = 20;
    static constexpr int TriangleCell = 16;
    static constexpr int SquareCell = 15;

    // `window` fills the frame and the cells; the heading and the margin names use
    // the painter's font, the glyphs the symbol font (or the painter's font).
    static void paint(QPainter &painter, const InfoSnapshot &snapshot, const QColor &window);

private:
    static void paintTriangle(QPainter &painter, const InfoSnapshot &snapshot);
    static void paintSquare(QPainter &painter, const InfoSnapshot &snapshot);
    // The aspect glyph of the first aspect between `first` and `second`, if any, in
    // the aspect's colour, centred in the cell at (x, y).
    static void paintAspect(QPainter &painter, const InfoSnapshot &snapshot, int first, int second, int x, int y,
                            int cell);
    static void paintPoint(QPainter &painter, const InfoSnapshot &snapshot, int point, int x, int y, int cell);
};

} // namespace orvel
