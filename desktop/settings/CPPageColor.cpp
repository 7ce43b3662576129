#include "desktop/settings/CPPageColor.h"

#include "desktop/SymbolFontInstaller.h"
#include "render/QtColour.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvel {

CPPageColor::CPPageColor(ChartSettings &block, const ValueChoosers &choosers, SymbolFontInstaller &font, QWidget *parent)
    : CGlyphPage(tr("Planets"), block, choosers, parent), m_font(font)
{
    addEditButtons({Origin, Origin + 3 * CellSize + 10}, Origin * 2 + Columns * CellSize);
    m_font.check();
}

QRect CPPageColor::cell(int point)
{
    return {Origin + point % Columns * CellSize, Origin + point / Columns * CellSize, CellSize, CellSize};
}

void CPPageColor::editColour()
{
    CGlyphPage::editColour(block().planetColours[m_selected], cell(m_selected));
}

void CPPageColor::editGlyph()
{
    CGlyphPage::editGlyph(block().planetGlyphs[m_selected], cell(m_selected));
}

void CPPageColor::paintEvent(QPaintEvent *)
{
    m_font.check(); // starts the installer once, then registers the font it copied
    QPainter painter(this);
    const QFont glyphs = glyphFont();
    for (int point = 0; point < PointCount; ++point) {
        painter.setPen(toQColor(block().planetColours[point]));
        drawGlyph(painter, glyphs, cell(point), Qt::AlignCenter, block().planetGlyphs[point], false);
    }
    drawSelection(painter, cell(m_selected));
}

void CPPageColor::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int column = cellAt(at.x(), Origin, CellSize);
    const int row = cellAt(at.y(), Origin, CellSize);
    if (column < 0 || column >= Columns || row < 0 || row > 2 || row * Columns + column >= PointCount)
        return;
    const int old = m_selected;
    m_selected = row * Columns + column;
    if (old != m_selected) {
        update(cell(old));
        update(cell(m_selected));
    }
}

} // namespace orvel
