#pragma once

#include <QString>

namespace orvel {

// The key by which country and place names are ordered and looked up in a place
// file's letter index: ü ö ä Ü Ö Ä É Å Æ become plain capitals, apostrophes are
// dropped, then every character is upper-cased on its own (other accented letters
// keep their accent: "é" becomes "É"). Keys compare by character code.
QString MakeSortKey(const QString &name);

} // namespace orvel
