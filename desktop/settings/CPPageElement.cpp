#include "desktop/settings/CPPageElement.h"

#include "engine/ChartConstants.h"
#include "render/QtColour.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace orvel {

CPPageElement::CPPageElement(ChartSettings &block, const ValueChoosers &choosers, QWidget *parent)
    : CGlyphPage(tr("Elements"), block, choosers, parent)
{
    addEditButtons({Origin, Origin + ElementCount * RowHeight + 10}, Origin * 2 + RowWidth);
}

QRect CPPageElement::row(int element)
{
    return {Origin, Origin + element * RowHeight, RowWidth, RowHeight};
}

QRect CPPageElement::signCell(int sign)
{
    return {SignLeft + sign / ElementCount * SignWidth, Origin + sign % ElementCount * RowHeight, SignWidth, RowHeight};
}

void CPPageElement::editColour()
{
    CGlyphPage::editColour(block().elementColours[m_element], row(m_element));
}

void CPPageElement::editGlyph()
{
    CGlyphPage::editGlyph(block().signGlyphs[m_sign], row(m_sign % ElementCount));
}

void CPPageElement::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFont glyphs = glyphFont();
    const QFont bold = boldFont();
    for (int element = 0; element < ElementCount; ++element) {
        const QRect box = row(element);
        painter.setPen(toQColor(block().elementColours[element]));
        painter.setFont(bold);
        painter.drawText(box.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         QCoreApplication::translate("ChartNames", ElementNames[element]));
        // Each glyph right-aligned in its own sign cell, so that what a click selects
        // is the glyph under the pointer.
        for (int sign = element; sign < SignCount; sign += ElementCount)
            drawGlyph(painter, glyphs, signCell(sign), Qt::AlignRight | Qt::AlignVCenter, block().signGlyphs[sign],
                      true);
    }
    drawSelection(painter, row(m_element));
    drawSelection(painter, signCell(m_sign), 2);
}

void CPPageElement::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int line = cellAt(at.y(), Origin, RowHeight);
    if (line < 0 || line >= ElementCount)
        return;
    const int column = cellAt(at.x(), SignLeft, SignWidth);
    if (column >= 0 && column <= 2)
        m_sign = line + ElementCount * column;
    if (line != m_element) {
        m_element = line;
        if (m_sign % ElementCount != m_element)
            m_sign = m_element; // the element's first sign
    }
    update();
}

} // namespace orvel
