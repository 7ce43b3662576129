#pragma once

#include "engine/ChartScene.h"
#include "render/WheelCanvas.h"
#include "render/WheelColours.h"
#include "render/WheelLayout.h"

#include <QCoreApplication>
#include <QFont>
#include <optional>

class QPainter;

namespace orvel {

// Paints the chart wheel of the scene's chart mode in the wheel's 240 x 270 logical
// area: the single-chart wheel in modes 1 to 4, the two-ring wheel in modes 5 and 6.
// Keeps nothing between paints; the painter's state is restored on return.
class WheelPainter {
    Q_DECLARE_TR_FUNCTIONS(orvel::WheelPainter)

public:
    // `colours` are those of the surface the wheel is painted on.
    static void paint(QPainter &painter, const ChartScene &scene, const WheelColours &colours);
    // The same, magnified `scale` times: smooth edges when magnified, the wheel's own
    // whole pixels at scale 1.
    static void paint(QPainter &painter, const ChartScene &scene, const WheelColours &colours, double scale);

    // A glyph code of the settings as text; codes that are no character give nothing.
    static QString glyphText(int code);

private:
    WheelPainter(QPainter &painter, const ChartScene &scene, const WheelLayout &layout, const WheelColours &colours);

    void paintWheel();
    void paintDiscs();
    void paintHouses();
    void paintSignRing();
    void paintPoints(const ChartSlot &slot, bool outside);
    void paintAspects();
    void paintCaptionAndTitle();
    void glyph(QPoint at, int code, const QColor &colour);
    double angle(double longitude) const;
    const HoroscopeRecord &horoscope(int index) const;

    WheelCanvas m_canvas;
    const ChartScene &m_scene;
    const WheelLayout &m_layout;
    const ChartSlot &m_first;  // the chart whose houses and signs frame the wheel
    const ChartSlot &m_second; // the outer chart of the two-ring wheel
    std::optional<QFont> m_symbols;
    QColor m_window;
    QColor m_ink;
};

} // namespace orvel
