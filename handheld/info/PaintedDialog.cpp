#include "handheld/info/PaintedDialog.h"

#include "render/ChartFonts.h"

namespace orvel {

PaintedDialog::PaintedDialog(const QString &title, const std::optional<QString> &name, Paint paint, int scale,
                             QWidget *parent)
    : InfoDialog(title, scale, parent), m_paint(std::move(paint))
{
    if (name)
        addName(*name);
}

void PaintedDialog::paintContents(QPainter &painter) const
{
    painter.save();
    painter.scale(scale(), scale());
    painter.setFont(ChartFonts::text());
    painter.setBackgroundMode(Qt::TransparentMode);
    m_paint(painter, palette());
    painter.restore();
}

void PaintedDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintContents(painter);
}

} // namespace orvel
