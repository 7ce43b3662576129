#pragma once

#include "desktop/settings/CSettingsPage.h"
#include "desktop/settings/ValueChoosers.h"
#include "engine/ChartSettings.h"

#include <QFont>
#include <QPoint>

class QPainter;

namespace orvel {

// A page that paints glyphs and colours straight from the sheet's block and edits
// them in place through the colour and glyph choosers; it has nothing to hand back.
class CGlyphPage : public CSettingsPage {
    Q_OBJECT
public:
    CGlyphPage(const QString &caption, ChartSettings &block, const ValueChoosers &choosers, QWidget *parent = nullptr);

    // Height and average width of the drawn glyphs, in pixels.
    static constexpr int GlyphHeight = 35;
    static constexpr int GlyphWidth = 17;

    // The cell that `coordinate` falls in, counted from `origin` in steps of `size`;
    // -1 left of (or above) the origin.
    static int cellAt(int coordinate, int origin, int size);

public slots:
    // Edit the colour and the glyph of the selected cell.
    virtual void editColour() = 0;
    virtual void editGlyph() = 0;

protected:
    // The Color and Symbol buttons, side by side from `at`, below the page's cells;
    // the page is at least `width` wide and ends 40 pixels below their top.
    void addEditButtons(QPoint at, int width);
    // The frame that marks the selected cell, `inset` pixels inside `box`.
    void drawSelection(QPainter &painter, const QRect &box, int inset = 1) const;

    // The font glyphs are drawn in: the symbol font, looked up anew so that a font
    // installed meanwhile shows; the page's own font when it is missing. Once per paint.
    QFont glyphFont() const;
    // Draws one glyph (a character code, followed by a blank when `spaced`) in the
    // painter's pen within `box`.
    static void drawGlyph(QPainter &painter, const QFont &font, const QRect &box, int flags, int glyph, bool spaced);
    // The page's font in bold.
    QFont boldFont() const;

    // Open the chooser preset with the value, store a confirmed value, repaint `box`.
    void editColour(Colour &colour, const QRect &box);
    void editGlyph(int &glyph, const QRect &box);

    ChartSettings &block() { return m_block; }

private:
    ChartSettings &m_block;
    const ValueChoosers &m_choosers;
};

} // namespace orvel
