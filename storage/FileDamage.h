#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orvel {

// What is wrong with a data file that exists: where its text stops parsing, which of
// its records the reader had to skip, and how many it could still read.
struct FileDamage {
    QString path;
    std::optional<qint64> brokenAt; // characters from the start; nothing when the file parses to its end
    QString reason;                 // why it stops there
    QStringList skipped;            // one line per record skipped
    int read = 0;                   // records (or values) read

    bool isDamaged() const { return brokenAt.has_value() || !skipped.isEmpty(); }
    // For the user: the file, the place of the damage, what was skipped and how many
    // `items` (a plural noun) could be read.
    QString describe(const QString &items) const;
};

} // namespace orvel
