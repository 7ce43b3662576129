#pragma once

#include "desktop/settings/CGlyphPage.h"

namespace orvel {

// "Elements": one row of 50 by 350 pixels per element from (10, 10), in the element's
// colour, with its name and the glyphs of its three signs, each in its sign cell (64 by
// 50, three columns from x = 150). A click selects a sign and an element.
class CPPageElement : public CGlyphPage {
    Q_OBJECT
public:
    static constexpr int Origin = 10;
    static constexpr int RowHeight = 50;
    static constexpr int RowWidth = 350;
    static constexpr int SignLeft = Origin + 140;
    static constexpr int SignWidth = 64;

    CPPageElement(ChartSettings &block, const ValueChoosers &choosers, QWidget *parent = nullptr);

    int selectedElement() const { return m_element; }
    int selectedSign() const { return m_sign; }
    void selectSign(int sign) { m_sign = sign; update(); }

    static QRect row(int element);
    static QRect signCell(int sign);

public slots:
    void editColour() override;
    void editGlyph() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_element = 0;
    int m_sign = 0;
};

} // namespace orvel
