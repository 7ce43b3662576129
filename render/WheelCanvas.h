#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace orvel {

// Drawing on the wheel's fixed 240 x 270 logical area: points given by a wheel angle
// and a radius around the centre (120, 120), boxes given by their corners with the
// right and bottom edges excluded, and texts centred on a point or flowed into a box.
class WheelCanvas {
public:
    static constexpr int Width = 240;
    static constexpr int Height = 270;
    static constexpr int Centre = 120;

    explicit WheelCanvas(QPainter &painter) : m_painter(painter) {}

    // The whole-pixel point at `radius` in the direction of wheel angle `angle`: angle 0
    // (the AC) lies left of the centre, angles grow counter-clockwise on the screen.
    // Fractions are dropped towards zero.
    static QPoint point(double angle, int radius);
    // The box from (left, top) to (right, bottom), right and bottom excluded.
    static QRect box(int left, int top, int right, int bottom);

    QPainter &painter() { return m_painter; }
    void line(double angle, int fromRadius, int toRadius);
    void line(double fromAngle, double toAngle, int radius);
    void ellipse(const QRect &box);
    // `text` in the current font and pen colour, its extent centred on `at`.
    void centredText(QPoint at, const QString &text);
    // `text` left and top aligned in `box`, line breaks honoured, not clipped.
    void flowText(const QRect &box, const QString &text);

private:
    QPainter &m_painter;
};

} // namespace orvel
