// Checks the built symbol font against what the programs rely on: its names, a glyph for every
// code the symbol picker offers, one advance and one centre for all glyphs, and the right symbols.
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <QtEndian>
#include <QtTest>

namespace {

// The raw fonts are opened at a pixel size of one em, so their pixels are font units.
constexpr qreal kEm = 1000;
// Rounding the outlines to whole units moves a bounding box by at most this much.
constexpr qreal kUnitTolerance = 2;

// One line of the map: a code and where its glyph comes from.
struct MapEntry {
  QString symbol;
  QString source;  // "U+XXXX", letters, or "-" for an empty glyph
  bool isSymbol() const { return source.startsWith(QLatin1String("U+")); }
  bool isBlank() const { return source == QLatin1String("-"); }
};

QHash<int, MapEntry> readMap(const QString& path) {
  QHash<int, MapEntry> map;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return map;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).chopped(1);
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (line.startsWith(QLatin1Char('#')) || fields.size() != 4) continue;
    map.insert(fields[0].toInt(), {fields[1], fields[2]});
  }
  return map;
}

// The codes the symbol picker offers, in its order.
QList<int> offeredCodes() {
  QList<int> codes;
  for (const auto& [first, last] : {std::pair{47, 59}, {64, 76}, {80, 90}, {96, 105}})
    for (int c = first; c <= last; ++c) codes.append(c);
  return codes;
}

// The Windows-platform English string of a name-table record, or a null string.
QString nameRecord(const QByteArray& table, quint16 nameId) {
  const auto u16 = [&](qsizetype at) { return qFromBigEndian<quint16>(table.constData() + at); };
  if (table.size() < 6) return {};
  const quint16 count = u16(2);
  const quint16 strings = u16(4);
  for (qsizetype r = 6; r + 12 <= table.size() && r < 6 + 12 * qsizetype(count); r += 12) {
    if (u16(r) != 3 || u16(r + 4) != 0x409 || u16(r + 6) != nameId) continue;
    const qsizetype length = u16(r + 8), at = strings + u16(r + 10);
    if (at + length > table.size()) return {};
    QString text;
    for (qsizetype i = 0; i + 1 < length; i += 2) text.append(QChar(u16(at + i)));
    return text;
  }
  return {};
}

QString findSystemFont(const QString& fileName) {
  QDirIterator it(QStringLiteral(SYSTEM_FONT_DIR), {fileName}, QDir::Files,
                  QDirIterator::Subdirectories);
  return it.hasNext() ? it.next() : QString();
}

QPainterPath outlineOf(const QRawFont& font, char32_t codePoint) {
  const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&codePoint, 1));
  return glyphs.isEmpty() ? QPainterPath() : font.pathForGlyph(glyphs.first());
}

// The path filled into a square image, scaled to fit it by its larger side and centred.
QImage silhouette(const QPainterPath& path) {
  constexpr int kSide = 128;
  QImage image(kSide, kSide, QImage::Format_Grayscale8);
  image.fill(Qt::white);
  const QRectF box = path.boundingRect();
  const qreal scale = (kSide - 8) / qMax(box.width(), box.height());
  QPainter painter(&image);
  painter.translate(kSide / 2.0, kSide / 2.0);
  painter.scale(scale, scale);
  painter.translate(-box.center());
  painter.fillPath(path, Qt::black);
  return image;
}

// Intersection over union of the inked pixels of two silhouettes: 1 for the same shape.
qreal overlap(const QImage& a, const QImage& b) {
  int both = 0, either = 0;
  for (int y = 0; y < a.height(); ++y) {
    const uchar* la = a.constScanLine(y);
    const uchar* lb = b.constScanLine(y);
    for (int x = 0; x < a.width(); ++x) {
      both += la[x] < 128 && lb[x] < 128;
      either += la[x] < 128 || lb[x] < 128;
    }
  }
  return either ? qreal(both) / either : 0;
}

}  // namespace

class OWSymFontTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    fontId_ = QFontDatabase::addApplicationFont(QStringLiteral(OWSYM_FONT_FILE));
    QVERIFY2(fontId_ >= 0, OWSYM_FONT_FILE " does not load");
    font_ = QRawFont(QStringLiteral(OWSYM_FONT_FILE), kEm, QFont::PreferNoHinting);
    QVERIFY(font_.isValid());
    map_ = readMap(QStringLiteral(OWSYM_MAP_FILE));
    QVERIFY2(!map_.isEmpty(), OWSYM_MAP_FILE " holds no glyphs");
  }

  void registersUnderItsFamily() {
    QCOMPARE(QFontDatabase::applicationFontFamilies(fontId_), QStringList{"OWSym"});
    QCOMPARE(QFontInfo(QFont(QStringLiteral("OWSym"))).family(), QStringLiteral("OWSym"));
  }

  void names_data() {
    QTest::addColumn<int>("nameId");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole");
    QTest::newRow("family") << 1 << "OWSym" << true;
    QTest::newRow("full name") << 4 << "OWSym" << true;
    QTest::newRow("PostScript name") << 6 << "OWSym" << true;
    QTest::newRow("Noto Sans Symbols notice") << 0 << "Copyright 2016 Google LLC." << false;
    QTest::newRow("Noto Sans Symbols2 notice") << 0 << "Copyright 2017 Google Inc." << false;
    QTest::newRow("Noto Sans notice") << 0 << "Copyright 2015 Google LLC." << false;
    QTest::newRow("Symbola notice") << 0 << "George Douros" << false;
    QTest::newRow("licence") << 13 << "SIL Open Font License, Version 1.1" << false;
  }

  void names() {
    QFETCH(int, nameId);
    QFETCH(QString, text);
    QFETCH(bool, whole);
    const QString record = nameRecord(font_.fontTable("name"), quint16(nameId));
    if (whole)
      QCOMPARE(record, text);
    else
      QVERIFY2(record.contains(text), qPrintable(record));
  }

  void mapHoldsTheOfferedCodesAndTheBlank() {
    QList<int> expected = offeredCodes();
    expected.append(' ');
    QList<int> mapped = map_.keys();
    std::sort(expected.begin(), expected.end());
    std::sort(mapped.begin(), mapped.end());
    QCOMPARE(mapped, expected);
  }

  void lineCell() {
    // Painters size the font by its pixel height and centre texts in the cell of that height.
    QCOMPARE(font_.ascent() + font_.descent(), kEm);
    QFont font(QStringLiteral("OWSym"));
    font.setPixelSize(1000);
    QCOMPARE(QFontMetricsF(font).averageCharWidth(), kEm / 2);
  }

  void glyph_data() { codeRows(true); }

  void glyph() {
    QFETCH(int, code);
    QVERIFY(map_.contains(code));
    QVERIFY(font_.supportsCharacter(QChar(code)));
    const QList<quint32> glyphs = font_.glyphIndexesForString(QString(QChar(code)));
    QCOMPARE(glyphs.size(), 1);
    QVERIFY2(glyphs.first() != 0, "mapped to .notdef");
    QCOMPARE(font_.advancesForGlyphIndexes(glyphs).first().x(), kEm / 2);
    QCOMPARE(font_.pathForGlyph(glyphs.first()).isEmpty(), map_.value(code).isBlank());

    // Text set in the family must be drawn with this font, not with a fallback font.
    QFont family(QStringLiteral("OWSym"));
    family.setPixelSize(21);
    QTextLayout layout(QString(QChar(code)), family);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs.first().rawFont().familyName(), QStringLiteral("OWSym"));
  }

  void outline_data() { codeRows(false); }

  void outline() {
    QFETCH(int, code);
    QVERIFY(map_.contains(code));
    const MapEntry entry = map_.value(code);
    const QRectF box = outlineOf(font_, char32_t(code)).boundingRect();

    // Inside its own advance and cell, centred on the middle of both.
    QVERIFY(box.left() >= 0 && box.right() <= kEm / 2);
    QVERIFY(box.top() >= -font_.ascent() && box.bottom() <= font_.descent());
    QVERIFY(qAbs(box.center().x() - kEm / 4) <= kUnitTolerance);
    QVERIFY(qAbs(box.center().y() + (font_.ascent() - font_.descent()) / 2) <= kUnitTolerance);

    // One size: symbols share the larger side of the Sun, letters the height of "AC".
    const QRectF sun = outlineOf(font_, '/').boundingRect();
    const qreal symbolSize = qMax(sun.width(), sun.height());
    if (entry.isSymbol()) {
      QVERIFY(qAbs(qMax(box.width(), box.height()) - symbolSize) <= kUnitTolerance);
    } else {
      const qreal letterHeight = outlineOf(font_, ':').boundingRect().height();
      QVERIFY(qAbs(box.height() - letterHeight) <= kUnitTolerance);
      QVERIFY(box.width() <= symbolSize + kUnitTolerance && letterHeight < symbolSize);
    }
  }

  void distinct_data() { codeRows(false); }

  void distinct() {
    QFETCH(int, code);
    const QPainterPath path = outlineOf(font_, char32_t(code));
    QStringList same;
    for (auto it = map_.cbegin(); it != map_.cend(); ++it)
      if (it.key() != code && outlineOf(font_, char32_t(it.key())) == path) same.append(it->symbol);
    QVERIFY2(same.isEmpty(), qPrintable("same outline as " + same.join(", ")));
  }

  void sourceOutline_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<uint>("codePoint");
    QTest::addColumn<QString>("sourceFont");
    const QString symbols = QStringLiteral("NotoSansSymbols-Regular.ttf");
    const QString symbols2 = QStringLiteral("NotoSansSymbols2-Regular.ttf");
    const QString symbola = QStringLiteral("Symbola_hint.ttf");
    QTest::newRow("Sun") << 47 << 0x2609u << symbols2;
    QTest::newRow("Moon") << 48 << 0x263Du << symbols;
    QTest::newRow("Mean Node") << 57 << 0x260Au << symbols;
    QTest::newRow("Aries") << 64 << 0x2648u << symbols;
    QTest::newRow("Capricorn") << 76 << 0x2651u << symbols;
    QTest::newRow("Capricorn, second design") << 73 << 0x2651u << symbola;
    QTest::newRow("Pisces") << 75 << 0x2653u << symbols;
    QTest::newRow("Conjunction") << 80 << 0x260Cu << symbols;
    QTest::newRow("Square") << 84 << 0x25A1u << symbols2;
    QTest::newRow("Semi-square") << 86 << 0x2220u << symbola;
    QTest::newRow("Opposition") << 88 << 0x260Du << symbols;
    QTest::newRow("Chiron") << 96 << 0x26B7u << symbols;
    QTest::newRow("South Node") << 102 << 0x260Bu << symbols;
    QTest::newRow("Part of Fortune") << 103 << 0x2297u << symbola;
  }

  void sourceOutline() {
    QFETCH(int, code);
    QFETCH(uint, codePoint);
    QFETCH(QString, sourceFont);
    const QString sourceFile = findSystemFont(sourceFont);
    QVERIFY2(!sourceFile.isEmpty(), qPrintable(sourceFont + " is not installed"));
    const QRawFont source(sourceFile, kEm, QFont::PreferNoHinting);
    const QPainterPath expected = outlineOf(source, codePoint);
    QVERIFY(!expected.isEmpty());
    const QPainterPath actual = outlineOf(font_, char32_t(code));

    // The same shape at another size: the same proportions and the same silhouette (the right
    // symbols overlap their sources by 0.97 or more, other symbols by far less).
    const QRectF a = actual.boundingRect(), e = expected.boundingRect();
    const qreal proportions = a.width() / a.height(), sourceProportions = e.width() / e.height();
    QVERIFY2(qAbs(proportions - sourceProportions) < 0.02,
             qPrintable(QStringLiteral("width/height %1, source %2")
                            .arg(proportions)
                            .arg(sourceProportions)));
    const qreal fit = overlap(silhouette(actual), silhouette(expected));
    QVERIFY2(fit > 0.9, qPrintable(QStringLiteral("silhouettes overlap by %1").arg(fit)));
  }

 private:
  // One row per offered code, named by code and symbol; the blank only where it is wanted.
  void codeRows(bool withBlank) {
    QTest::addColumn<int>("code");
    QList<int> codes = offeredCodes();
    if (withBlank) codes.prepend(' ');
    for (int code : codes)
      QTest::addRow("%d %s", code, qPrintable(map_.value(code).symbol)) << code;
  }

  int fontId_ = -1;
  QRawFont font_;
  QHash<int, MapEntry> map_;
};

QTEST_MAIN(OWSymFontTest)
#include "OWSymFontTest.moc"
