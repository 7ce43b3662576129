#pragma once

#include <QString>

namespace orvel {

// The key by which country and place names are ordered and looked up in a place
// file's letter index: apostrophes are dropped, every character is upper-cased on its
// own, and every accented Latin capital that Windows-1252 holds is folded to its base
// letter (À...Ý, Š, Ž, Ÿ; Ð to D, Ø to O, Þ to TH, Œ to OE, Æ to AE, ß to SS), so a
// name is listed under the letter a user types. Keys compare by character code.
QString MakeSortKey(const QString &name);

} // namespace orvel
