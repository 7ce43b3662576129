#pragma once

#include <QRect>

namespace orvel {

// The fixed drawing values of a wheel: radii, boxes and font sizes. The single-chart
// wheel (Radix I, Radix II, Solar, Composite) has its zodiac at the rim; the two-ring
// wheel (Synastry, Transit) moves it inwards to place the second chart outside it.
struct WheelLayout {
    static const WheelLayout &singleChart();
    static const WheelLayout &twoRings();

    bool twoCharts;
    int zodiacInner, zodiacOuter;     // radii of the sign ring
    QRect zodiacDisc;                 // the grey disc under the sign ring (two rings only)
    QRect innerDisc;
    int signGlyphRadius;
    int houseLineRadius;              // house lines run from here to radius 1
    int houseNumberRadius;
    int tickOuter, tickInner;         // a point's tick runs from tickOuter to tickInner - 5 * level
    int glyphRadius, glyphLevelStep;  // a point's glyph at glyphRadius - glyphLevelStep * level
    int outerGlyphRadius, outerGlyphLevelStep; // the second chart's glyphs: radius + step * level
    int aspectRadius;
    int symbolHeight, symbolWidth;    // pixels
    QRect titleBox;
    QRect captionBox;                 // captions of Radix I, Radix II and Solar
    QRect shortCaptionBox;            // one-line captions naming two horoscopes
};

} // namespace orvel
