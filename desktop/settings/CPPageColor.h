#pragma once

#include "desktop/settings/CGlyphPage.h"

namespace orvel {

class SymbolFontInstaller;

// "Planets": the thirteen points' glyphs in their colours, 5 cells of 70 pixels a row
// from (10, 10); a click selects a cell, the buttons edit its colour and glyph. Starts
// the font installer when the symbol font is missing.
class CPPageColor : public CGlyphPage {
    Q_OBJECT
public:
    static constexpr int Origin = 10;
    static constexpr int CellSize = 70;
    static constexpr int Columns = 5;

    CPPageColor(ChartSettings &block, const ValueChoosers &choosers, SymbolFontInstaller &font, QWidget *parent = nullptr);

    int selected() const { return m_selected; }
    // Cell of point `point` in page coordinates.
    static QRect cell(int point);

public slots:
    void editColour() override;
    void editGlyph() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    SymbolFontInstaller &m_font;
    int m_selected = 0;
};

} // namespace orvel
