#pragma once

#include "engine/ChartSettings.h"
#include "platform/AtomicFileWriter.h"
#include "storage/FileDamage.h"

#include <QString>

#include <functional>
#include <vector>

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
    // As load(), but a damaged file still gives the values of its complete elements
    // before the damage. The result tells whether the file exists and, when it is
    // damaged, where (its `read` counts the values applied).
    struct Reading {
        bool exists = false;
        FileDamage damage;
        QStringList diagnostics; // for standard error: the XML load's, then values out of range
    };
    static Reading read(const QString &path, ChartSettings &settings);
    // Writes every value through `writer`, keys in canonical order and arrays in index
    // order. On failure tells `sink` why (naming the file), keeps the old file intact and returns false.
    static bool save(const QString &path, const ChartSettings &settings, MessageSink &sink,
                     const FileWriter &writer = AtomicFileWriter::standard());

    // Hands every key to `visit` in canonical order with its shape and values: rows
    // is 0 for a single value, columns is 0 unless the key has two indices; values are
    // in index order (row by row).
    using KeyVisitor = std::function<void(const char *key, int rows, int columns, const std::vector<int> &values)>;
    static void visitKeys(const ChartSettings &settings, const KeyVisitor &visit);
};

} // namespace orvel
