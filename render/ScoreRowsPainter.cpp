#include "render/ScoreRowsPainter.h"

#include "render/PlainText.h"
#include "render/ChartFonts.h"
#include "render/QtColour.h"

#include <algorithm>

namespace orvel {

void ScoreRowsPainter::paint(QPainter &painter, const std::vector<ScoreRow> &rows, const ChartSettings &settings)
{
    const QFont current = painter.font();
    QFont bold = current;
    bold.setWeight(QFont::Bold);
    const QFont symbols = ChartFonts::symbols(17, 8).value_or(current);
    const QPen pen = painter.pen();
    painter.setFont(bold);
    int widestLabel = 0;
    for (const ScoreRow &row : rows)
        widestLabel = std::max(widestLabel, PlainText::extent(painter, row.label).width());
    const int shift = std::max(0, LabelLeft + widestLabel + LabelGap - ScoreLeft);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const ScoreRow &row = rows[r];
        const int y = FirstRowTop + RowHeight * static_cast<int>(r);
        painter.setFont(bold);
        painter.setPen(toQColor(row.colour));
        PlainText::draw(painter, LabelLeft, y, row.label);
        PlainText::draw(painter, ScoreLeft + shift, y, row.scoreText());

        // The glyphs stand on the label's baseline, a gap apart, so that wide ones such as
        // AC and MC stay apart.
        const int labelAscent = painter.fontMetrics().ascent();
        painter.setFont(symbols);
        const int glyphTop = y + labelAscent - painter.fontMetrics().ascent();
        int x = GlyphsLeft + shift;
        for (int p : row.points) {
            const QString glyph(QChar(settings.planetGlyphs[p]));
            painter.setPen(toQColor(settings.planetColours[p]));
            PlainText::draw(painter, x, glyphTop, glyph);
            x += PlainText::extent(painter, glyph).width() + GlyphGap;
        }
    }
    painter.setFont(current);
    painter.setPen(pen);
}

} // namespace orvel
