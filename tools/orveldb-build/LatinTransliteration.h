#pragma once

#include <QString>

#include <optional>

namespace orvel {

// Replaces the characters of a name that Windows-1252 cannot hold by their nearest
// Latin letters and keeps every other character as it is: "Łódź" becomes "Lódz",
// "Hódmezővásárhely" "Hódmezovásárhely". A letter with several accents keeps the one
// that Windows-1252 holds ("ệ" becomes "ê"); letters without a decomposition come from
// a table (Ł to L, ı to i, ə to e); modifier apostrophes become the apostrophe.
class LatinTransliteration {
public:
    // nullopt when a character has no Latin replacement (a Cyrillic or Han letter, say).
    static std::optional<QString> toWindows1252(const QString &text);
};

} // namespace orvel
