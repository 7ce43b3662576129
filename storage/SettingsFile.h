#pragma once

#include "engine/ChartSettings.h"
#include "platform/AtomicFileWriter.h"
#include "storage/FileDamage.h"

#include <QString>

#include <functional>
#include <vector>

namespace orvel {

// orvel.xml: the settings block as value elements under the root Orvel_Config. The
// element name is the key, its text the value; array entries carry their position in
// the attributes Index, or Index1 and Index2.
class SettingsFile {
public:
    static constexpr const char *FileName = "orvel.xml";

    // The file's values applied over `base`: keys at any depth and in any order, a later
    // element overwriting an earlier one, entries with an index out of range ignored,
    // values the file lacks kept. Fails when the file cannot be read or parsed to its end.
    static Result<ChartSettings> load(const QString &path, const ChartSettings &base);
    // As load(), but a damaged file still gives the values of its complete elements
    // before the damage: Missing for a file that does not exist, Damaged (the message
    // being the damage's description) with where it is damaged (its `read` counts the
    // values applied). The diagnostics hold the XML load's lines, then values out of range.
    struct Reading {
        ChartSettings settings;
        FileDamage damage;
    };
    static Result<Reading> read(const QString &path, const ChartSettings &base);
    // Writes every value through `writer`, keys in canonical order and arrays in index
    // order. A failure keeps the old file intact.
    static Result<> save(const QString &path, const ChartSettings &settings,
                         const FileWriter &writer = AtomicFileWriter::standard());

    // Hands every key to `visit` in canonical order with its shape and values: rows
    // is 0 for a single value, columns is 0 unless the key has two indices; values are
    // in index order (row by row).
    using KeyVisitor = std::function<void(const char *key, int rows, int columns, const std::vector<int> &values)>;
    static void visitKeys(const ChartSettings &settings, const KeyVisitor &visit);
};

} // namespace orvel
