#include "render/WheelLayout.h"

#include "render/WheelCanvas.h"

namespace orvel {

const WheelLayout &WheelLayout::singleChart()
{
    static const WheelLayout layout{
        .twoCharts = false,
        .zodiacInner = 90, .zodiacOuter = 120,
        .zodiacDisc = {},
        .innerDisc = WheelCanvas::box(30, 30, 210, 210),
        .signGlyphRadius = 105,
        .houseLineRadius = 90,
        .houseNumberRadius = 45,
        .tickOuter = 90, .tickInner = 85,
        .glyphRadius = 75, .glyphLevelStep = 15,
        .outerGlyphRadius = 0, .outerGlyphLevelStep = 0,
        .aspectRadius = 60,
        .symbolHeight = 21, .symbolWidth = 10,
        .titleBox = WheelCanvas::box(5, 5, 120, 35),
        .captionBox = WheelCanvas::box(10, 240, 240, 270),
        .shortCaptionBox = WheelCanvas::box(10, 250, 240, 270),
    };
    return layout;
}

const WheelLayout &WheelLayout::twoRings()
{
    static const WheelLayout layout{
        .twoCharts = true,
        .zodiacInner = 70, .zodiacOuter = 90,
        .zodiacDisc = WheelCanvas::box(30, 30, 210, 210),
        .innerDisc = WheelCanvas::box(50, 50, 190, 190),
        .signGlyphRadius = 80,
        .houseLineRadius = 70,
        .houseNumberRadius = 35,
        .tickOuter = 70, .tickInner = 65,
        .glyphRadius = 60, .glyphLevelStep = 10,
        .outerGlyphRadius = 96, .outerGlyphLevelStep = 9,
        .aspectRadius = 40,
        .symbolHeight = 17, .symbolWidth = 8,
        .titleBox = WheelCanvas::box(5, 5, 120, 20),
        .captionBox = WheelCanvas::box(10, 250, 240, 270),
        .shortCaptionBox = WheelCanvas::box(10, 250, 240, 270),
    };
    return layout;
}

} // namespace orvel
