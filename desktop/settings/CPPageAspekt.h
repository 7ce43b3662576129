#pragma once

#include "desktop/settings/CGlyphPage.h"

namespace orvel {

// "Aspects": one row of 40 by 320 pixels per aspect kind from (10, 10), in the aspect's
// colour, with its name, its angle and its glyph; a click selects a row. The angles
// are shown only.
class CPPageAspekt : public CGlyphPage {
    Q_OBJECT
public:
    static constexpr int Origin = 10;
    static constexpr int RowHeight = 40;
    static constexpr int RowWidth = 320;

    CPPageAspekt(ChartSettings &block, const ValueChoosers &choosers, QWidget *parent = nullptr);

    int selected() const { return m_selected; }
    static QRect row(int kind);

public slots:
    void editColour() override;
    void editGlyph() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_selected = 0;
};

} // namespace orvel
