#include "render/ChartPicture.h"

#include "render/WheelCanvas.h"
#include "render/WheelPainter.h"
#include "render/ChartFonts.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace orvel {

namespace {

const QSize LogicalSize(WheelCanvas::Width, WheelCanvas::Height);

// A picture file is a page of its own, not a window of the screen's theme: black ink
// on white whatever the desktop shows.
const WheelColours Paper{Qt::white, Qt::black};

// An @font-face rule that gives the SVG's texts the symbol font as a data URL.
QByteArray fontFaceStyle(const QString &fontFile)
{
    QFile file(fontFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return "<style type=\"text/css\">@font-face { font-family: '" + ChartFonts::SymbolFamily.toUtf8() +
           "'; src: url(data:font/ttf;base64," + file.readAll().toBase64() + ") format('truetype'); }</style>\n";
}

} // namespace

QByteArray ChartPicture::png(const ChartScene &scene, int scale)
{
    QImage image(LogicalSize * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        WheelPainter::paint(painter, scene, Paper, scale);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray ChartPicture::svg(const ChartScene &scene, int scale, const QString &symbolFontFile)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(LogicalSize * scale);
    generator.setViewBox(QRect(QPoint(0, 0), LogicalSize));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("OrvelWin chart"));
    {
        QPainter painter(&generator);
        painter.setRenderHint(QPainter::Antialiasing);
        WheelPainter::paint(painter, scene, Paper);
    }
    const QByteArray style = fontFaceStyle(symbolFontFile);
    const qsizetype defs = bytes.indexOf("<defs>");
    if (!style.isEmpty() && defs >= 0)
        bytes.insert(defs + 6, "\n" + style);
    return bytes;
}

} // namespace orvel
