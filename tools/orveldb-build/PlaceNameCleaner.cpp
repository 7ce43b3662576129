#include "PlaceNameCleaner.h"

#include "LatinTransliteration.h"
#include "PrintableWindows1252.h"
#include "placedb/SortKey.h"

namespace orvel {

namespace {

enum class Fit { Usable, StartsWithDigit, Unusable };

// The letter index is keyed by the first character of the sort key; that character
// must be writable and must not be a digit, since the reader finds a key character
// by its first occurrence in the index line, where digits also spell the positions.
Fit fitOf(const QString &name)
{
    if (name.isEmpty() || !PrintableWindows1252::contains(name))
        return Fit::Unusable;
    const QString key = MakeSortKey(name);
    if (key.isEmpty() || !PrintableWindows1252::contains(key.front()) || key.front().isSpace())
        return Fit::Unusable;
    return key.front().isDigit() ? Fit::StartsWithDigit : Fit::Usable;
}

} // namespace

QString PlaceNameCleaner::tidy(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        // Quotation marks read as apostrophes, which the sort key passes over, so that
        // "‘Ayn" is listed under A.
        if (c == u'"' || c == u'\u2018' || c == u'\u2019' || c == u'`' || c == u'\u00b4')
            c = u'\'';
        else if (!c.isPrint())
            c = u' ';
        if (c.isSpace() && (out.isEmpty() || out.back() == u' '))
            continue;
        out.append(c.isSpace() ? QChar(u' ') : c);
    }
    while (out.endsWith(u' '))
        out.chop(1);
    return out;
}

PlaceNameCleaner::Result PlaceNameCleaner::clean(const QString &name, const QString &asciiName)
{
    const QString tidied = tidy(name);
    if (const std::optional<QString> latin = LatinTransliteration::toWindows1252(tidied)) {
        switch (fitOf(*latin)) {
        case Fit::Usable:
            if (*latin == name)
                return {*latin, Outcome::Unchanged};
            return {*latin, *latin == tidied ? Outcome::Cleaned : Outcome::Transliterated};
        case Fit::StartsWithDigit:
            return {QString(), Outcome::StartsWithDigit};
        case Fit::Unusable:
            break;
        }
    }
    const QString ascii = tidy(asciiName);
    switch (fitOf(ascii)) {
    case Fit::Usable:
        return {ascii, Outcome::Ascii};
    case Fit::StartsWithDigit:
        return {QString(), Outcome::StartsWithDigit};
    case Fit::Unusable:
        break;
    }
    return {QString(), Outcome::Unusable};
}

} // namespace orvel
