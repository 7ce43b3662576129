#pragma once

#include <QString>

namespace orvel {

// Turns a GeoNames name into a place name the place files can hold: Windows-1252
// text without tabs, line breaks, control characters or double quotes (a leading
// quote would make the reader take the field as quoted), blanks collapsed. Letters
// outside Windows-1252 become their base letters; only a name with a character that
// has no Latin replacement falls back to GeoNames' ASCII name.
class PlaceNameCleaner {
public:
    enum class Outcome {
        Unchanged,       // the name as GeoNames gives it
        Cleaned,         // tabs, quotes, control characters or extra blanks removed
        Transliterated,  // letters outside Windows-1252 replaced by their base letters
        Ascii,           // the ASCII name: a character has no Latin replacement
        StartsWithDigit, // unusable: a digit cannot be a key of the letter index
        Unusable,        // neither name gives a usable text
    };

    struct Result {
        QString name; // empty unless usable
        Outcome outcome = Outcome::Unusable;
    };

    static Result clean(const QString &name, const QString &asciiName);

    // Blanks for tabs, line breaks and control characters, apostrophes for double
    // quotes, single quotation marks, grave and acute accents; runs of blanks
    // collapsed, trimmed.
    static QString tidy(const QString &text);
};

} // namespace orvel
