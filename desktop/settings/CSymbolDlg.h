#pragma once

#include <QDialog>

#include <vector>

class QComboBox;
class QPushButton;

namespace orvel {

// "Symbols": chooses one glyph of the chart symbol font from a drop-down list drawn in
// that font. OK confirms only while an item is selected.
class CSymbolDlg : public QDialog {
    Q_OBJECT
public:
    // Selects the item of `glyph`, or none when that code is not offered.
    explicit CSymbolDlg(int glyph, QWidget *parent = nullptr);

    // The offered codes in list order: "/" to ";", "@" to "L", "P" to "Z", "`" to "i".
    static std::vector<int> offeredCodes();

    // The chosen glyph after OK; the opening glyph before.
    int glyph() const { return m_glyph; }

    QComboBox *list() const { return m_list; }
    QPushButton *okButton() const { return m_ok; }

    // Rows the drop-down shows at a time, and the glyphs' size in the box and in it:
    // the height the settings pages draw glyphs with (the font's symbols fill only
    // part of its height).
    static constexpr int VisibleRows = 15;
    static constexpr int GlyphPixelSize = 35;

private:
    void confirm();

    int m_glyph;
    QComboBox *m_list;
    QPushButton *m_ok;
};

} // namespace orvel
