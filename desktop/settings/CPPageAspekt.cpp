#include "desktop/settings/CPPageAspekt.h"

#include "desktop/settings/PointNames.h"
#include "render/QtColour.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvel {

CPPageAspekt::CPPageAspekt(ChartSettings &block, const ValueChoosers &choosers, QWidget *parent)
    : CGlyphPage(tr("Aspects"), block, choosers, parent)
{
    addEditButtons({Origin, Origin + AspectKindCount * RowHeight + 10}, Origin * 2 + RowWidth);
}

QRect CPPageAspekt::row(int kind)
{
    return {Origin, Origin + kind * RowHeight, RowWidth, RowHeight};
}

void CPPageAspekt::editColour()
{
    CGlyphPage::editColour(block().aspectColours[m_selected], row(m_selected));
}

void CPPageAspekt::editGlyph()
{
    CGlyphPage::editGlyph(block().aspectGlyphs[m_selected], row(m_selected));
}

void CPPageAspekt::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFont glyphs = glyphFont();
    const QFont bold = boldFont();
    for (int kind = 0; kind < AspectKindCount; ++kind) {
        const QRect box = row(kind);
        painter.setPen(toQColor(block().aspectColours[kind]));
        painter.setFont(bold);
        painter.drawText(box.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, PointNames::aspect(kind));
        painter.drawText(box.adjusted(150, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(block().aspectAngles[kind]));
        drawGlyph(painter, glyphs, box, Qt::AlignRight | Qt::AlignVCenter, block().aspectGlyphs[kind], true);
    }
    drawSelection(painter, row(m_selected));
}

void CPPageAspekt::mousePressEvent(QMouseEvent *event)
{
    const int kind = cellAt(event->position().toPoint().y(), Origin, RowHeight);
    if (kind < 0 || kind >= AspectKindCount || kind == m_selected)
        return;
    update(row(m_selected));
    m_selected = kind;
    update(row(m_selected));
}

} // namespace orvel
