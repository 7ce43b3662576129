#include "desktop/settings/CGlyphPage.h"

#include "render/ChartFonts.h"

#include <QPainter>
#include <QPushButton>

namespace orvel {

CGlyphPage::CGlyphPage(const QString &caption, ChartSettings &block, const ValueChoosers &choosers, QWidget *parent)
    : CSettingsPage(caption, parent), m_block(block), m_choosers(choosers)
{
}

int CGlyphPage::cellAt(int coordinate, int origin, int size)
{
    return coordinate < origin ? -1 : (coordinate - origin) / size;
}

void CGlyphPage::addEditButtons(QPoint at, int width)
{
    auto *colour = new QPushButton(tr("&Color"), this);
    auto *symbol = new QPushButton(tr("&Symbol"), this);
    colour->move(at);
    symbol->move(at + QPoint(100, 0));
    connect(colour, &QPushButton::clicked, this, [this] { editColour(); });
    connect(symbol, &QPushButton::clicked, this, [this] { editGlyph(); });
    setMinimumSize(width, at.y() + 40);
}

void CGlyphPage::drawSelection(QPainter &painter, const QRect &box, int inset) const
{
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(inset, inset, -inset - 1, -inset - 1));
}

QFont CGlyphPage::glyphFont() const
{
    return ChartFonts::symbols(GlyphHeight, GlyphWidth).value_or(font());
}

void CGlyphPage::drawGlyph(QPainter &painter, const QFont &font, const QRect &box, int flags, int glyph, bool spaced)
{
    QString text{QChar(glyph)};
    if (spaced)
        text += u' ';
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(box, flags, text);
}

QFont CGlyphPage::boldFont() const
{
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    return bold;
}

void CGlyphPage::editColour(Colour &colour, const QRect &box)
{
    if (const std::optional<Colour> chosen = m_choosers.colour(colour, this)) {
        colour = *chosen;
        update(box);
    }
}

void CGlyphPage::editGlyph(int &glyph, const QRect &box)
{
    if (const std::optional<int> chosen = m_choosers.glyph(glyph, this)) {
        glyph = *chosen;
        update(box);
    }
}

} // namespace orvel
