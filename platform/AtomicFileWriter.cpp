#include "platform/AtomicFileWriter.h"

#include "platform/FileError.h"

#include <QSaveFile>

namespace orvel {

namespace {
std::optional<qint64> &injectedFailure()
{
    static std::optional<qint64> bytes;
    return bytes;
}
} // namespace

AtomicFileWriter::Result AtomicFileWriter::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, FileError::message(path, file.error(), file.errorString())};

    const std::optional<qint64> failAfter = injectedFailure();
    const qint64 toWrite = failAfter ? std::min<qint64>(*failAfter, bytes.size()) : bytes.size();
    if (file.write(bytes.constData(), toWrite) != toWrite || failAfter) {
        const QString reason = failAfter ? QStringLiteral("simulated write failure") : file.errorString();
        file.cancelWriting();
        return {false, FileError::message(path, QFileDevice::WriteError, reason)};
    }
    if (!file.commit())
        return {false, FileError::message(path, file.error(), file.errorString())};
    return {true, {}};
}

void AtomicFileWriter::injectFailureAfter(std::optional<qint64> bytes)
{
    injectedFailure() = bytes;
}

} // namespace orvel
