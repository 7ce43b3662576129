#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <memory>
#include <vector>

namespace orvel {

// One primitive as a painter drew it, in device coordinates.
struct DrawnPrimitive {
    enum class Kind { Line, Ellipse, Rect, Text, Path };
    Kind kind;
    QLineF line;        // Line
    QRectF rect;        // Ellipse, Rect; Text: the text's extent (advance x font height)
    QString text;       // Text
    QPointF baseline;   // Text: the start of its baseline
    QColor pen;
    qreal penWidth = 0;
    Qt::BrushStyle brushStyle = Qt::NoBrush;
    QColor brush;
    QFont font;         // Text

    // The centre of a text's extent, as centred texts are placed.
    QPointF textCentre() const { return rect.center(); }
};

// A paint device that keeps every primitive drawn on it instead of pixels, so tests
// can check what a painter drew: where, in which pen, brush and font.
class RecordingPaintDevice : public QPaintDevice {
public:
    explicit RecordingPaintDevice(QSize size = QSize(240, 270));
    ~RecordingPaintDevice() override;

    QPaintEngine *paintEngine() const override;
    const std::vector<DrawnPrimitive> &primitives() const;

    std::vector<DrawnPrimitive> ofKind(DrawnPrimitive::Kind kind) const;
    std::vector<DrawnPrimitive> texts() const { return ofKind(DrawnPrimitive::Kind::Text); }
    std::vector<DrawnPrimitive> lines() const { return ofKind(DrawnPrimitive::Kind::Line); }
    // The texts equal to `text`, in drawing order.
    std::vector<DrawnPrimitive> textsEqualTo(const QString &text) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSize m_size;
    std::unique_ptr<Engine> m_engine;
};

} // namespace orvel
