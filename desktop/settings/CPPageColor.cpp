#include "desktop/settings/CPPageColor.h"

#include "desktop/SymbolFontInstaller.h"
#include "render/QtColour.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace orvel {

CPPageColor::CPPageColor(ChartSettings &block, const ValueChoosers &choosers, SymbolFontInstaller &font, QWidget *parent)
    : CGlyphPage(tr("Planets"), block, choosers, parent), m_font(font)
{
    auto *colour = new QPushButton(tr("&Color"), this);
    auto *symbol = new QPushButton(tr("&Symbol"), this);
    colour->move(Origin, Origin + 3 * CellSize + 10);
    symbol->move(Origin + 100, Origin + 3 * CellSize + 10);
    connect(colour, &QPushButton::clicked, this, &CPPageColor::editColour);
    connect(symbol, &QPushButton::clicked, this, &CPPageColor::editGlyph);
    setMinimumSize(Origin * 2 + Columns * CellSize, Origin + 3 * CellSize + 50);
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
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell(m_selected).adjusted(1, 1, -2, -2));
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
