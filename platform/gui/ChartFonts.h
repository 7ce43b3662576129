#pragma once

#include <QFont>
#include <QString>
#include <optional>

namespace orvel {

// The fonts of chart pictures and information windows. Sizes are logical pixels
// (never points), so a window, an image, an SVG file and a test recorder all get the
// same geometry.
class ChartFonts {
public:
    // Family name of the chart symbol font.
    static inline const QString SymbolFamily = QStringLiteral("OWSym");
    // File of the symbol font in a program folder.
    static inline const QString SymbolFile = QStringLiteral("OWSym.ttf");

    // Registers the symbol font file of `programFolder` with the application; false
    // when it is missing or unreadable (glyphs then come out in the text font).
    static bool registerSymbolFont(const QString &programFolder);
    // Whether a family is named exactly "OWSym" (registered or installed).
    static bool hasSymbolFont();

    // The symbol font, `pixelHeight` high and stretched to an average character width
    // of `averageWidth` pixels; nothing when no family is named exactly "OWSym".
    // Looked up anew at every call, so a font registered later is found.
    static std::optional<QFont> symbols(int pixelHeight, int averageWidth);

    // `font` at `pixelHeight`, stretched to an average character width of
    // `averageWidth` pixels.
    static QFont sized(QFont font, int pixelHeight, int averageWidth);

    // The text font of captions, titles and numbers at `pixelSize`.
    static QFont text(int pixelSize = TextPixelSize);
    static constexpr int TextPixelSize = 11;
};

} // namespace orvel
