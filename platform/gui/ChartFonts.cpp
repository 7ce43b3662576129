#include "platform/gui/ChartFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>

namespace orvel {

bool ChartFonts::registerSymbolFont(const QString &programFolder)
{
    return QFontDatabase::addApplicationFont(QDir(programFolder).filePath(SymbolFile)) >= 0;
}

bool ChartFonts::hasSymbolFont()
{
    return QFontDatabase::families().contains(SymbolFamily, Qt::CaseSensitive);
}

std::optional<QFont> ChartFonts::symbols(int pixelHeight, int averageWidth)
{
    if (!hasSymbolFont())
        return std::nullopt;
    QFont font(SymbolFamily);
    font.setStyleStrategy(QFont::NoFontMerging); // a missing glyph must not come from another font
    return sized(font, pixelHeight, averageWidth);
}

QFont ChartFonts::sized(QFont font, int pixelHeight, int averageWidth)
{
    font.setPixelSize(pixelHeight);
    font.setStretch(QFont::Unstretched);
    const qreal natural = QFontMetricsF(font).averageCharWidth();
    if (natural > 0)
        font.setStretch(qBound(1, qRound(100 * averageWidth / natural), 4000));
    return font;
}

QFont ChartFonts::text(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace orvel
