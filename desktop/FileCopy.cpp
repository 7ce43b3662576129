#include "desktop/FileCopy.h"

#include "platform/FileError.h"

#include <QFile>

namespace orvel {

namespace fs = std::filesystem;

fs::path FileCopy::native(const QString &path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

Result<> FileCopy::replace(const QString &source, const QString &target, const FileWriter &writer)
{
    QFile file(source);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        return FileError::failure(source, file.error(), file.errorString());
    return writer.write(target, bytes);
}

Result<> FileCopy::mirror(const QString &source, const QString &target)
{
    // The link is made under a hidden name beside the target, then renamed over it.
    const fs::path to = native(target);
    const fs::path part = to.parent_path() / ("." + to.filename().string() + ".part");
    std::error_code error;
    fs::remove(part, error);
    fs::create_hard_link(native(source), part, error);
    if (error)
        return replace(source, target); // another file system, or links not supported
    fs::rename(part, to, error);
    if (!error)
        return {};
    std::error_code ignored;
    fs::remove(part, ignored);
    return FileError::failure(target, QFileDevice::RenameError, QString::fromLocal8Bit(error.message()));
}

} // namespace orvel
