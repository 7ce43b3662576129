#include "render/ChartFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStandardPaths>

namespace orvel {

bool ChartFonts::registerSymbolFont(const QString &programFolder)
{
    const QString file =
        findSymbolFontFile({programFolder, QCoreApplication::applicationDirPath(), userFontFolder()});
    if (!file.isEmpty() && QFontDatabase::addApplicationFont(file) >= 0)
        return true;
    return hasSymbolFont();
}

QString ChartFonts::findSymbolFontFile(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString file = QDir(folder).filePath(SymbolFile);
        if (!folder.isEmpty() && QFileInfo(file).isFile())
            return file;
    }
    return {};
}

QString ChartFonts::userFontFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/fonts");
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
