#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvel {

// Replaces a file's content as a whole: the new bytes go into a file beside the old
// one, which replaces it only once it is complete and closed. A failed or
// interrupted write leaves the old file as it was and no temporary file behind.
class AtomicFileWriter {
public:
    struct Result {
        bool ok = false;
        QString errorMessage; // the user-facing file-error text when !ok
    };

    static Result write(const QString &path, const QByteArray &bytes);

    // For tests: every write fails after this many bytes, until reset with nullopt.
    static void injectFailureAfter(std::optional<qint64> bytes);
};

} // namespace orvel
