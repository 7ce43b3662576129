#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace orvel {

// Writes a file's content as a whole. Code that saves a file is handed one of these
// (the atomic writer unless told otherwise), so a test can hand it a writer that fails.
class FileWriter {
public:
    virtual ~FileWriter() = default;

    // Replaces the content of the file at `path` with `bytes`. A failed write leaves
    // the previous file as it was; the message then names the file and the system's reason.
    virtual Result<> write(const QString &path, const QByteArray &bytes) const = 0;
};

} // namespace orvel
