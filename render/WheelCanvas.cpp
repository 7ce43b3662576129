#include "render/WheelCanvas.h"

#include "render/PlainText.h"

#include <QPainter>
#include <cmath>

namespace orvel {

namespace {
constexpr double Pi = 3.14159265359; // as the wheel was always drawn
}

QPoint WheelCanvas::point(double angle, int radius)
{
    const double t = (180 - angle) * Pi / 180;
    return {static_cast<int>(Centre + radius * std::cos(t)), static_cast<int>(Centre + radius * std::sin(t))};
}

QRect WheelCanvas::box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void WheelCanvas::line(double angle, int fromRadius, int toRadius)
{
    m_painter.drawLine(point(angle, fromRadius), point(angle, toRadius));
}

void WheelCanvas::line(double fromAngle, double toAngle, int radius)
{
    m_painter.drawLine(point(fromAngle, radius), point(toAngle, radius));
}

void WheelCanvas::ellipse(const QRect &box)
{
    m_painter.drawEllipse(box);
}

void WheelCanvas::centredText(QPoint at, const QString &text)
{
    const QSize extent = PlainText::extent(m_painter, text);
    PlainText::draw(m_painter, at.x() - extent.width() / 2, at.y() - extent.height() / 2, text);
}

void WheelCanvas::flowText(const QRect &box, const QString &text)
{
    m_painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

} // namespace orvel
