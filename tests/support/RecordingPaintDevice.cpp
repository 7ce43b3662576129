#include "support/RecordingPaintDevice.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

namespace orvel {

namespace {

class RecordingPaintEngine : public QPaintEngine {
public:
    // Every feature claimed, so that QPainter hands over primitives as drawn instead
    // of breaking them into paths or pixmaps.
    RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            record.rects.push_back({m_transform.mapRect(rects[i]), m_pen, m_brush});
    }
    void drawRects(const QRect *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            record.rects.push_back({m_transform.mapRect(QRectF(rects[i])), m_pen, m_brush});
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            record.lines.push_back({m_transform.map(lines[i]), m_pen});
    }
    void drawLines(const QLine *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            record.lines.push_back({m_transform.map(QLineF(lines[i])), m_pen});
    }
    void drawEllipse(const QRectF &rect) override { record.ellipses.push_back({m_transform.mapRect(rect), m_pen, m_brush}); }
    void drawEllipse(const QRect &rect) override { drawEllipse(QRectF(rect)); }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        const double scale = m_transform.m22();
        record.texts.push_back(
            {m_transform.map(p), item.text(), item.font(), m_pen.color(), QFontMetrics(item.font()).ascent() * scale});
    }
    void drawPath(const QPainterPath &) override { ++record.others; }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { ++record.others; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { ++record.others; }
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override { ++record.others; }

    PaintRecord record;

private:
    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
};

} // namespace

std::vector<PaintRecord::Text> PaintRecord::textsOf(const QString &text) const
{
    std::vector<Text> found;
    for (const Text &t : texts)
        if (t.text == text)
            found.push_back(t);
    return found;
}

RecordingPaintDevice::RecordingPaintDevice(QSize size) : m_size(size), m_engine(std::make_unique<RecordingPaintEngine>())
{
}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine *RecordingPaintDevice::paintEngine() const
{
    return m_engine.get();
}

const PaintRecord &RecordingPaintDevice::record() const
{
    return static_cast<const RecordingPaintEngine &>(*m_engine).record;
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return m_size.width() * 254 / 960;
    case PdmHeightMM: return m_size.height() * 254 / 960;
    case PdmNumColors: return 0x7fffffff;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace orvel
