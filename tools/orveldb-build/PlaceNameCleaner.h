#pragma once

#include <QString>

namespace orvel {

// Turns a GeoNames name into a place name the place files can hold: Windows-1252
// text without tabs, line breaks, control characters or double quotes (a leading
// quote would make the reader take the field as quoted), blanks collapsed. Names
// that do not fit Windows-1252 fall back to GeoNames' ASCII name.
class PlaceNameCleaner {
public:
    enum class Outcome {
        Unchanged,       // the name as GeoNames gives it
        Cleaned,         // tabs, quotes, control characters or extra blanks removed
        Ascii,           // the ASCII name, because the name does not fit Windows-1252
        StartsWithDigit, // unusable: a digit cannot be a key of the letter index
        Unusable,        // neither name gives a usable text
    };

    struct Result {
        QString name; // empty unless usable
        Outcome outcome = Outcome::Unusable;
    };

    static Result clean(const QString &name, const QString &asciiName);

    // Blanks for tabs, line breaks and control characters, apostrophes for double
    // quotes, runs of blanks collapsed, trimmed.
    static QString tidy(const QString &text);
};

} // namespace orvel
