#include "RecordingPaintDevice.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QTextItem>

namespace orvel {

class RecordingPaintDevice::Engine : public QPaintEngine {
public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyFont)
            m_font = state.font();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            DrawnPrimitive p = styled(DrawnPrimitive::Kind::Line);
            p.line = m_transform.map(lines[i]);
            record(p);
        }
    }
    void drawLines(const QLine *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QLineF line(lines[i]);
            drawLines(&line, 1);
        }
    }
    void drawEllipse(const QRectF &rect) override
    {
        DrawnPrimitive p = styled(DrawnPrimitive::Kind::Ellipse);
        p.rect = m_transform.mapRect(rect);
        record(p);
    }
    void drawEllipse(const QRect &rect) override { drawEllipse(QRectF(rect)); }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            DrawnPrimitive p = styled(DrawnPrimitive::Kind::Rect);
            p.rect = m_transform.mapRect(rects[i]);
            record(p);
        }
    }
    void drawRects(const QRect *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF rect(rects[i]);
            drawRects(&rect, 1);
        }
    }
    void drawPath(const QPainterPath &path) override
    {
        DrawnPrimitive p = styled(DrawnPrimitive::Kind::Path);
        p.rect = m_transform.map(path).boundingRect();
        record(p);
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        DrawnPrimitive p = styled(DrawnPrimitive::Kind::Path);
        p.rect = m_transform.map(QPolygonF(QList<QPointF>(points, points + count))).boundingRect();
        record(p);
    }
    void drawPixmap(const QRectF &rect, const QPixmap &, const QRectF &) override
    {
        DrawnPrimitive p = styled(DrawnPrimitive::Kind::Rect);
        p.rect = m_transform.mapRect(rect);
        record(p);
    }
    void drawTextItem(const QPointF &position, const QTextItem &item) override
    {
        DrawnPrimitive p = styled(DrawnPrimitive::Kind::Text);
        p.text = item.text();
        p.font = item.font();
        const QFontMetricsF metrics(p.font);
        p.baseline = m_transform.map(position);
        p.rect = m_transform.mapRect(QRectF(position.x(), position.y() - metrics.ascent(),
                                            metrics.horizontalAdvance(p.text), metrics.height()));
        record(p);
    }

    std::vector<DrawnPrimitive> primitives;

private:
    DrawnPrimitive styled(DrawnPrimitive::Kind kind) const
    {
        DrawnPrimitive p{kind, {}, {}, {}, {}, m_pen.color(), m_pen.widthF(), m_brush.style(), m_brush.color(), {}};
        if (m_pen.style() == Qt::NoPen)
            p.penWidth = -1;
        return p;
    }
    void record(const DrawnPrimitive &p) { primitives.push_back(p); }

    QPen m_pen;
    QBrush m_brush;
    QFont m_font;
    QTransform m_transform;
};

RecordingPaintDevice::RecordingPaintDevice(QSize size) : m_size(size), m_engine(std::make_unique<Engine>()) {}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine *RecordingPaintDevice::paintEngine() const { return m_engine.get(); }

const std::vector<DrawnPrimitive> &RecordingPaintDevice::primitives() const { return m_engine->primitives; }

std::vector<DrawnPrimitive> RecordingPaintDevice::ofKind(DrawnPrimitive::Kind kind) const
{
    std::vector<DrawnPrimitive> found;
    for (const DrawnPrimitive &p : primitives())
        if (p.kind == kind)
            found.push_back(p);
    return found;
}

std::vector<DrawnPrimitive> RecordingPaintDevice::textsEqualTo(const QString &text) const
{
    std::vector<DrawnPrimitive> found;
    for (const DrawnPrimitive &p : texts())
        if (p.text == text)
            found.push_back(p);
    return found;
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return m_size.width() * 254 / 960;
    case PdmHeightMM: return m_size.height() * 254 / 960;
    case PdmNumColors: return 1 << 24;
    case PdmDepth: return 32;
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    default: return 0;
    }
}

} // namespace orvel
