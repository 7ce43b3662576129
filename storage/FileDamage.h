#pragma once

#include "platform/Result.h"

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
    // For the user: the file and the place of the damage and its reason, or that it
    // holds entries that cannot be read.
    QString where() const;
    // For the user: the file, the place of the damage, what was skipped and how many
    // `items` could be read.
    QString describe(Items items) const;

    // What a reader answers whose `reading` (a value with a `damage` member) came from the
    // file that `file` read: Missing with the file's message, Damaged with the damage's
    // description when the file stops parsing or held entries that were skipped, else
    // ok; with `diagnostics` (the file's and the reader's own) and no others.
    template <typename Reading>
    static Result<Reading> answer(const Result<FileDamage> &file, Items items, Reading reading,
                                  const QStringList &diagnostics)
    {
        const QString description = reading.damage.describe(items);
        Result<Reading> result =
            file.status() == ResultStatus::Missing ? Result<Reading>::failed(ResultStatus::Missing, file.message(), std::move(reading))
            : reading.damage.isDamaged()           ? Result<Reading>::failed(ResultStatus::Damaged, description, std::move(reading))
                                                   : Result<Reading>(std::move(reading));
        result.addDiagnostics(diagnostics);
        return result;
    }
};

} // namespace orvel
