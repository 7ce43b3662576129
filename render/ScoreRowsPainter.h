#pragma once

#include "engine/ChartSettings.h"
#include "render/ScoreRow.h"

#include <QPainter>

#include <vector>

namespace orvel {

// Paints the rows of the Elements and Qualities windows in the window's logical
// coordinates: a bold label and score in the row's colour, then the glyphs of the
// row's points in their colours, on the label's baseline. Scores and glyphs move right
// together when a label (a longer translation) would reach the score.
class ScoreRowsPainter {
public:
    static constexpr int FirstRowTop = 40;
    static constexpr int RowHeight = 20;
    static constexpr int LabelLeft = 10;
    static constexpr int ScoreLeft = 70;
    static constexpr int GlyphsLeft = 100;
    static constexpr int GlyphGap = 2;
    static constexpr int LabelGap = 4; // least room between the widest label and the scores

    // Uses the painter's font for label and score; glyphs in the symbol font, or in
    // the painter's font when there is none.
    static void paint(QPainter &painter, const std::vector<ScoreRow> &rows, const ChartSettings &settings);
};

} // namespace orvel
