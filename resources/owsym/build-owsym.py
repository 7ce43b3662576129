#!/usr/bin/python3
"""Builds the chart symbol font OWSym from free source fonts.

Usage: /usr/bin/python3 build-owsym.py --map owsym-map.tsv --license OWSym-LICENSE.txt
                                       --output OWSym.ttf [--font-dir /usr/share/fonts]

Each line of the map names a character code and where its symbol comes from: a code point of
a source font, letters of a source font, or nothing (an empty glyph). Every glyph gets the same
advance width, and every outline is scaled and moved so that the symbols have one size and one
vertical centre: the chart painters stretch the font to a fixed average character width and
centre each text by its extent, so only such a font lands every symbol on its spot.

Runs only under Debian's /usr/bin/python3, the interpreter that python3-fontforge serves.
"""
import argparse
import contextlib
import os
import re
import sys


@contextlib.contextmanager
def quiet_stderr():
    """Silences FontForge's notes (its program root, DSIG tables, glyph names of source fonts)."""
    sys.stderr.flush()
    saved = os.dup(2)
    with open(os.devnull, "w") as null:
        os.dup2(null.fileno(), 2)
    try:
        yield
    finally:
        os.dup2(saved, 2)
        os.close(saved)


# The time stamps in the font (1 January 2026), so that a build from the same map gives the same
# bytes; a SOURCE_DATE_EPOCH set by the caller wins. FontForge reads it when it starts.
os.environ.setdefault("SOURCE_DATE_EPOCH", "1767225600")
try:
    with quiet_stderr():
        import fontforge
        import psMat
except ImportError:
    sys.exit("build-owsym: FontForge's Python module is missing: install python3-fontforge "
             "and run this script with /usr/bin/python3")

FAMILY = "OWSym"
VERSION = "1.000"

# One em is the whole line cell (ascent + descent), so a font of pixel height h is h pixels
# from top to bottom on every platform.
EM = 1000
ASCENT = 800
DESCENT = 200
# About half the em: the painters ask for a width of 10 at height 21 (17 at 35), so the symbols
# keep their proportions.
ADVANCE = 500
# The square every symbol is fitted into, centred on the middle of the advance and of the cell.
SYMBOL_SIZE = 460
CENTRE_X = ADVANCE / 2
CENTRE_Y = (ASCENT - DESCENT) / 2
# Letters are set a little smaller than symbols and condensed when they would overflow the square.
LETTER_HEIGHT = 0.75 * SYMBOL_SIZE

LICENSE_NOTE = ("This Font Software is licensed under the SIL Open Font License, Version 1.1. "
                "It is derived from Noto Sans Symbols, Noto Sans Symbols2, Noto Sans "
                "(SIL Open Font License 1.1) and Symbola (free for any use).")
LICENSE_URL = "https://openfontlicense.org"


class MapError(Exception):
    """A line of the map that can't be built; the message names the file and line."""


class Entry:
    """One line of the map."""

    def __init__(self, where, code, symbol, source, font):
        self.where = where
        self.code = code
        self.symbol = symbol
        self.source = source
        self.font = font

    def glyph_name(self):
        return "".join(c if c.isalnum() else "_" for c in self.symbol.lower())

    def code_point(self):
        """The source code point, or None when the source is letters or empty."""
        if self.source.startswith("U+"):
            return int(self.source[2:], 16)
        return None


def read_map(path):
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.readlines()
    except UnicodeDecodeError as e:
        raise MapError("%s is not UTF-8 text: %s" % (path, e)) from None
    entries = []
    for number, line in enumerate(lines, 1):
        line = line.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        where = "%s:%d" % (path, number)
        fields = line.split("\t")
        if len(fields) != 4 or not all(fields):
            raise MapError("%s: expected four tab-separated fields: code, symbol, source, font"
                           % where)
        code, symbol, source, font = fields
        if not re.fullmatch(r"[0-9]{2,5}", code) or not 32 <= int(code) <= 0xFFFF:
            raise MapError("%s: the code %r is not a number from 32 to 65535" % (where, code))
        if source.startswith("U+") and not re.fullmatch(r"U\+(10|0?[0-9A-F])?[0-9A-F]{4}", source):
            raise MapError("%s: %r is not a code point" % (where, source))
        if (source == "-") != (font == "-"):
            raise MapError("%s: an empty glyph has neither source nor font" % where)
        entries.append(Entry(where, int(code), symbol, source, font))
    seen_codes, seen_names = {}, {}
    for e in entries:
        for seen, key, what in ((seen_codes, e.code, "code"),
                                (seen_names, e.glyph_name(), "symbol")):
            if key in seen:
                raise MapError("%s: the %s is already mapped at %s" % (e.where, what, seen[key]))
            seen[key] = e.where
    if not entries:
        raise MapError("%s: no glyphs" % path)
    return entries


class SourceFonts:
    """The source fonts, each opened once, with their glyphs by code point."""

    def __init__(self, font_dir):
        self.font_dir = font_dir
        self.fonts = {}

    def find(self, file_name):
        for root, _, files in os.walk(self.font_dir):
            if file_name in files:
                return os.path.join(root, file_name)
        return None

    def get(self, entry):
        if entry.font not in self.fonts:
            path = self.find(entry.font)
            if path is None:
                raise MapError("%s: the font %s is not under %s (Debian packages fonts-noto-core "
                               "and fonts-symbola)" % (entry.where, entry.font, self.font_dir))
            with quiet_stderr():
                font = fontforge.open(path)
            glyphs = {g.unicode: g for g in font.glyphs() if g.unicode >= 0}
            self.fonts[entry.font] = (font, glyphs)
        return self.fonts[entry.font]

    def outline(self, entry, code_point):
        """The outline of the glyph for code_point in the entry's font, in that font's units."""
        font, glyphs = self.get(entry)
        glyph = glyphs.get(code_point)
        if glyph is None:
            raise MapError("%s: %s has no glyph for U+%04X" % (entry.where, entry.font, code_point))
        glyph.unlinkRef()
        return font, glyph.foreground, glyph.width

    def notices(self):
        """The copyright notices of the fonts read, each once, in the order first read."""
        notices = []
        for font, _ in self.fonts.values():
            if font.copyright not in notices:
                notices.append(font.copyright)
        return notices


def symbol_layer(sources, entry):
    """The outline of a symbol, fitted into the symbol square."""
    _, layer, _ = sources.outline(entry, entry.code_point())
    x0, y0, x1, y1 = bounding_box(entry, layer)
    scale = SYMBOL_SIZE / max(x1 - x0, y1 - y0)
    return placed(layer, x0, y0, x1, y1, scale, scale)


def letters_layer(sources, entry):
    """Letters set at their own advances, scaled to the letter height and condensed to fit."""
    layer = None
    pen_x = 0
    for letter in entry.source:
        _, outline, width = sources.outline(entry, ord(letter))
        outline = outline.dup()
        outline.transform(psMat.translate(pen_x, 0))
        if layer is None:
            layer = outline
        else:
            layer += outline
        pen_x += width
    x0, y0, x1, y1 = bounding_box(entry, layer)
    scale_y = LETTER_HEIGHT / (y1 - y0)
    scale_x = min(scale_y, SYMBOL_SIZE / (x1 - x0))
    return placed(layer, x0, y0, x1, y1, scale_x, scale_y)


def bounding_box(entry, layer):
    x0, y0, x1, y1 = layer.boundingBox()
    if x1 <= x0 or y1 <= y0:
        raise MapError("%s: %s has no outline to scale" % (entry.where, entry.source))
    return x0, y0, x1, y1


def placed(layer, x0, y0, x1, y1, scale_x, scale_y):
    """The layer scaled and moved so that its bounding box is centred on the symbol centre."""
    layer = layer.dup()
    layer.transform(psMat.translate(-(x0 + x1) / 2, -(y0 + y1) / 2))
    layer.transform(psMat.scale(scale_x, scale_y))
    layer.transform(psMat.translate(CENTRE_X, CENTRE_Y))
    layer.round()
    return layer


def new_font():
    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.em = EM
    font.ascent = ASCENT
    font.descent = DESCENT
    font.is_quadratic = True
    font.fontname = font.familyname = font.fullname = FAMILY
    font.weight = "Regular"
    font.version = VERSION
    font.os2_vendor = "NONE"
    font.os2_fstype = 0
    # The same line cell in every metrics table: ascent above, descent below, no gap.
    for ascent, descent in (("os2_winascent", "os2_windescent"),
                            ("os2_typoascent", "os2_typodescent"),
                            ("hhea_ascent", "hhea_descent")):
        setattr(font, ascent + "_add", False)
        setattr(font, descent + "_add", False)
        setattr(font, ascent, ASCENT)
        setattr(font, descent, DESCENT if ascent.startswith("os2_win") else -DESCENT)
    font.os2_typolinegap = 0
    font.hhea_linegap = 0
    font.os2_use_typo_metrics = True
    return font


def add_notdef(font):
    """An empty frame of the advance width, so that no glyph of the font is narrower."""
    glyph = font.createChar(-1, ".notdef")
    glyph.width = ADVANCE
    half = SYMBOL_SIZE / 2
    pen = glyph.glyphPen()
    for inset, corners in ((0, ((-1, -1), (-1, 1), (1, 1), (1, -1))),
                           (40, ((-1, -1), (1, -1), (1, 1), (-1, 1)))):
        points = [(round(CENTRE_X + dx * (half - inset)), round(CENTRE_Y + dy * (half - inset)))
                  for dx, dy in corners]
        pen.moveTo(points[0])
        for p in points[1:]:
            pen.lineTo(p)
        pen.closePath()
    pen = None  # FontForge stores what the pen drew when the pen goes


def build(entries, sources):
    font = new_font()
    add_notdef(font)
    for entry in entries:
        glyph = font.createChar(entry.code, entry.glyph_name())
        if entry.source != "-":
            build_layer = symbol_layer if entry.code_point() is not None else letters_layer
            glyph.foreground = build_layer(sources, entry)
        glyph.width = ADVANCE
    font.copyright = "\n".join(sources.notices())
    for name, value in (("SubFamily", "Regular"),
                        ("UniqueID", "%s %s" % (FAMILY, VERSION)),
                        ("License", LICENSE_NOTE),
                        ("License URL", LICENSE_URL)):
        font.appendSFNTName("English (US)", name, value)
    return font


def check_license(path, notices):
    """The licence file beside the font must carry every source notice the font carries."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    missing = [n for n in notices if n not in text]
    if missing:
        raise MapError("%s lacks the source notices: %s" % (path, "; ".join(missing)))


def main():
    parser = argparse.ArgumentParser(description="Builds the chart symbol font OWSym.")
    parser.add_argument("--map", required=True, help="the character map (owsym-map.tsv)")
    parser.add_argument("--license", required=True, help="the licence file shipped beside it")
    parser.add_argument("--output", required=True, help="the font file to write (.ttf)")
    parser.add_argument("--font-dir", default="/usr/share/fonts", help="where the source fonts are")
    args = parser.parse_args()
    try:
        sources = SourceFonts(args.font_dir)
        font = build(read_map(args.map), sources)
        check_license(args.license, sources.notices())
    except (MapError, OSError) as e:
        print("build-owsym: %s" % e, file=sys.stderr)
        return 1
    # Written beside the target and renamed over it, so a failed build keeps the previous font.
    partial = args.output + ".part.ttf"
    try:
        font.generate(partial, flags=("opentype", "no-FFTM-table", "omit-instructions"))
        os.replace(partial, args.output)
    except (EnvironmentError, OSError) as e:
        print("build-owsym: can't write %s: %s" % (args.output, e), file=sys.stderr)
        with contextlib.suppress(OSError):
            os.remove(partial)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
