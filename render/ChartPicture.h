#pragma once

#include "engine/ChartScene.h"

#include <QByteArray>
#include <QString>

namespace orvel {

// The chart wheel as a picture file: a PNG of (240 x scale) x (270 x scale) pixels, or
// an SVG whose view box is the wheel's logical 240 x 270 area. The SVG keeps texts as
// text and carries the symbol font inside it, so its glyphs show wherever it is opened.
class ChartPicture {
public:
    static QByteArray png(const ChartScene &scene, int scale);
    // `symbolFontFile` is embedded when it can be read.
    static QByteArray svg(const ChartScene &scene, int scale, const QString &symbolFontFile);
};

} // namespace orvel
