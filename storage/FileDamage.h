#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvel {

// What is wrong with a data file that exists: where its text stops parsing, which of
// its records the reader had to skip, and how many it could still read.
struct FileDamage {
    Q_DECLARE_TR_FUNCTIONS(FileDamage)

public:
    // What the file holds, for the count of what could be read.
    enum class Items { Horoscopes, Settings };

    QString path;
    std::optional<qint64> brokenAt; // characters from the start; nothing when the file parses to its end
    QString reason;                 // why it stops there
    QStringList skipped;            // one line per record skipped
    int read = 0;                   // records (or values) read

    bool isDamaged() const { return brokenAt.has_value() || !skipped.isEmpty(); }
    // For the user: the file, the place of the damage, what was skipped and how many
    // `items` could be read.
    QString describe(Items items) const;
};

} // namespace orvel
