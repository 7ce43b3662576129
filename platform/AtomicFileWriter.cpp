#include "platform/AtomicFileWriter.h"

#include "platform/FileError.h"

#include <QSaveFile>

namespace orvel {

Result<> AtomicFileWriter::write(const QString &path, const QByteArray &bytes) const
{
    QSaveFile file(path);
    // Unbuffered: a buffered write that a full disk cuts short fails only in the flush at
    // commit, which the save file does not notice, and would replace the file with a
    // truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileError::failure(path, file.error(), file.errorString());
    // A short write is followed by another, whose failure carries the system's reason.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return FileError::failure(path, QFileDevice::WriteError, reason);
        }
        written += count;
    }
    if (!file.commit())
        return FileError::failure(path, file.error(), file.errorString());
    return {};
}

const AtomicFileWriter &AtomicFileWriter::standard()
{
    static const AtomicFileWriter writer;
    return writer;
}

} // namespace orvel
