#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
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

    // Makes the symbol font available: the file in `programFolder`, else the one beside
    // the executable, else one the user installed, else an installed family. False when
    // none is found (glyphs then come out in the text font).
    static bool registerSymbolFont(const QString &programFolder);
    // The first of `folders` that holds the symbol font file, as a path to the file;
    // empty when none does.
    static QString findSymbolFontFile(const QStringList &folders);
    // Where the desktop program's font installer puts the symbol font for the user.
    static QString userFontFolder();
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
