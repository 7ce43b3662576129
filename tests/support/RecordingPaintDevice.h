#pragma once

#include <QBrush>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

namespace orvel {

// The primitives a painter drew, in device coordinates (the painter's transform
// applied), with the pen, brush and font they were drawn with.
struct PaintRecord {
    struct Text {
        QPointF baseline;
        QString text;
        QFont font;
        QColor colour;
        double ascent = 0; // of `font`, device pixels
        // The top-left corner a text written at a top-left position was written at.
        QPointF topLeft() const { return {baseline.x(), baseline.y() - ascent}; }
    };
    struct Shape {
        QRectF rect; // a rectangle, or an ellipse's bounding box
        QPen pen;
        QBrush brush;
    };
    struct Line {
        QLineF line;
        QPen pen;
    };

    std::vector<Text> texts;
    std::vector<Shape> rects;
    std::vector<Shape> ellipses;
    std::vector<Line> lines;
    int others = 0; // paths, polygons, pixmaps and images

    // The texts equal to `text`, in drawing order.
    std::vector<Text> textsOf(const QString &text) const;
};

// A paint device that draws nothing and records every primitive, so tests can check
// what a painter drew without comparing pixels.
class RecordingPaintDevice : public QPaintDevice {
public:
    explicit RecordingPaintDevice(QSize size = {240, 270});
    ~RecordingPaintDevice() override;

    QPaintEngine *paintEngine() const override;
    const PaintRecord &record() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<QPaintEngine> m_engine;
};

} // namespace orvel
