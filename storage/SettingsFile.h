#pragma once

#include "engine/ChartSettings.h"

#include <QString>

namespace orvel {

class MessageSink;

// orvel.xml: the settings block as value elements under the root Orvel_Config. The
// element name is the key, its text the value; array entries carry their position in
// the attributes Index, or Index1 and Index2.
class SettingsFile {
public:
    static constexpr const char *FileName = "orvel.xml";

    // Applies the file's values over `settings`: keys at any depth and in any order, a
    // later element overwriting an earlier one, entries with an index out of range
    // ignored, values the file lacks kept. False when the file cannot be read or
    // parsed; `settings` is then untouched.
    static bool load(const QString &path, ChartSettings &settings);
    // Writes every value, keys in canonical order and arrays in index order. On failure
    // tells `sink` why (naming the file), keeps the old file intact and returns false.
    static bool save(const QString &path, const ChartSettings &settings, MessageSink &sink);
};

} // namespace orvel
