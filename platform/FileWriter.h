#pragma once

#include <QByteArray>
#include <QString>

namespace orvel {

// Writes a file's content as a whole. Code that saves a file is handed one of these
// (the atomic writer unless told otherwise), so a test can hand it a writer that fails.
class FileWriter {
public:
    struct Result {
        bool ok = false;
        QString errorMessage; // the user-facing file-error text when !ok
    };

    virtual ~FileWriter() = default;

    // Replaces the content of the file at `path` with `bytes`. A failed write leaves
    // the previous file as it was.
    virtual Result write(const QString &path, const QByteArray &bytes) const = 0;
};

} // namespace orvel
