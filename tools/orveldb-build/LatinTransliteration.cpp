#include "LatinTransliteration.h"

#include "PrintableWindows1252.h"

#include <QHash>

namespace orvel {

namespace {

// Letters and signs without a canonical or compatibility decomposition to Latin.
const QHash<char16_t, QString> &undecomposable()
{
    static const QHash<char16_t, QString> table = {
        {u'Ł', u"L"_qs}, {u'ł', u"l"_qs}, {u'Đ', u"D"_qs}, {u'đ', u"d"_qs}, {u'Ħ', u"H"_qs}, {u'ħ', u"h"_qs},
        {u'ı', u"i"_qs}, {u'Ŧ', u"T"_qs}, {u'ŧ', u"t"_qs}, {u'Ŋ', u"N"_qs}, {u'ŋ', u"n"_qs}, {u'ĸ', u"k"_qs},
        {u'Ə', u"E"_qs}, {u'ə', u"e"_qs}, {u'Ǝ', u"E"_qs}, {u'ǝ', u"e"_qs}, {u'Ɛ', u"E"_qs}, {u'ɛ', u"e"_qs},
        {u'Ɔ', u"O"_qs}, {u'ɔ', u"o"_qs}, {u'Ɨ', u"I"_qs}, {u'ɨ', u"i"_qs}, {u'Ʉ', u"U"_qs}, {u'ʉ', u"u"_qs},
        {u'Ɓ', u"B"_qs}, {u'ɓ', u"b"_qs}, {u'Ɗ', u"D"_qs}, {u'ɗ', u"d"_qs}, {u'Ɖ', u"D"_qs}, {u'ɖ', u"d"_qs},
        {u'Ƙ', u"K"_qs}, {u'ƙ', u"k"_qs}, {u'Ƴ', u"Y"_qs}, {u'ƴ', u"y"_qs}, {u'Ɣ', u"G"_qs}, {u'ɣ', u"g"_qs},
        {u'Ʒ', u"Z"_qs}, {u'ʒ', u"z"_qs}, {u'Ɲ', u"N"_qs}, {u'ɲ', u"n"_qs}, {u'ȷ', u"j"_qs}, {u'ɑ', u"a"_qs},
        {u'ʻ', u"'"_qs}, {u'ʼ', u"'"_qs}, {u'ʽ', u"'"_qs}, {u'ʾ', u"'"_qs}, {u'ʿ', u"'"_qs}, {u'ˈ', u"'"_qs},
        {u'ʹ', u"'"_qs}, {u'‛', u"'"_qs}, {u'′', u"'"_qs}, {u'‐', u"-"_qs}, {u'‑', u"-"_qs}, {u'‒', u"-"_qs},
    };
    return table;
}

bool isMark(QChar c)
{
    return c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_SpacingCombining ||
           c.category() == QChar::Mark_Enclosing;
}

// One character outside Windows-1252 as Windows-1252 text, or nullopt.
std::optional<QString> replacement(QChar c)
{
    if (const auto it = undecomposable().constFind(c.unicode()); it != undecomposable().cend())
        return *it;
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
    if (decomposed == QString(c))
        return std::nullopt;
    QString base;
    QString marks;
    for (const QChar d : decomposed)
        (isMark(d) ? marks : base).append(d);
    // A single base letter keeps the first of its accents that Windows-1252 holds.
    if (base.size() == 1) {
        for (const QChar mark : marks) {
            const QString composed = (base + mark).normalized(QString::NormalizationForm_C);
            if (composed.size() == 1 && PrintableWindows1252::contains(composed.front()))
                return composed;
        }
    }
    QString out;
    for (const QChar b : base) {
        if (PrintableWindows1252::contains(b)) {
            out.append(b);
        } else if (const std::optional<QString> r = replacement(b)) {
            out.append(*r);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

} // namespace

std::optional<QString> LatinTransliteration::toWindows1252(const QString &text)
{
    // Composed first, so that a letter spelt with a combining accent is one character;
    // an accent left on its own has no letter to go with and is dropped.
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(composed.size());
    for (const QChar c : composed) {
        if (PrintableWindows1252::contains(c)) {
            out.append(c);
        } else if (isMark(c)) {
            continue;
        } else if (c.isSurrogate()) {
            return std::nullopt;
        } else if (const std::optional<QString> r = replacement(c)) {
            out.append(*r);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

} // namespace orvel
