#pragma once

#include <QPainter>
#include <QString>

namespace orvel {

// Text written at a top-left position with no clipping and no background, the way the
// chart pictures and information windows place their painted texts.
class PlainText {
public:
    // Writes `text` in the painter's font and pen with its top-left corner at (x, y).
    static void draw(QPainter &painter, int x, int y, const QString &text);
    // Writes `text` centred in the square cell of `size` at (x, y), the offsets taken
    // from the text's extent with integer division.
    static void centre(QPainter &painter, int x, int y, int size, const QString &text);
    // Width and height of `text` in the painter's font, whole pixels.
    static QSize extent(const QPainter &painter, const QString &text);
};

} // namespace orvel
