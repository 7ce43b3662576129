#pragma once

#include "platform/AtomicFileWriter.h"
#include "platform/FileError.h"

namespace orvel {

// Writes through the real writer until `failing` is set, then fails every write the
// way a full disk does: nothing is touched, and the message names the file.
class FailingFileWriter : public FileWriter {
public:
    explicit FailingFileWriter(bool failingFromStart = true) : failing(failingFromStart) {}

    Result<> write(const QString &path, const QByteArray &bytes) const override
    {
        if (!failing)
            return AtomicFileWriter::standard().write(path, bytes);
        return FileError::failure(path, QFileDevice::WriteError, QStringLiteral("No space left on device"));
    }

    bool failing;
};

} // namespace orvel
