#include "render/PlainText.h"

#include <QFontMetrics>

namespace orvel {

void PlainText::draw(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

void PlainText::centre(QPainter &painter, int x, int y, int size, const QString &text)
{
    const QSize e = extent(painter, text);
    draw(painter, x + (size - e.width()) / 2, y + (size - e.height()) / 2, text);
}

QSize PlainText::extent(const QPainter &painter, const QString &text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    return {metrics.horizontalAdvance(text), metrics.height()};
}

} // namespace orvel
