#include "platform/FileError.h"

#include <QDir>
#include <QFileInfo>

namespace orvel {

QString FileError::message(const QString &path, QFileDevice::FileError error, const QString &reason)
{
    const QString name = QDir::toNativeSeparators(path);
    if (isMissing(path))
        return tr("%1 was not found.").arg(name);
    switch (error) {
    case QFileDevice::PermissionsError:
        return tr("Access to %1 was denied.").arg(name);
    case QFileDevice::ResourceError:
        return tr("There was not enough space or resources to write %1.").arg(name);
    default:
        return tr("An error occurred while accessing %1: %2.").arg(name, reason);
    }
}

Result<> FileError::failure(const QString &path, QFileDevice::FileError error, const QString &reason)
{
    return Result<>::failed(isMissing(path) ? ResultStatus::Missing : ResultStatus::Failed,
                            message(path, error, reason));
}

bool FileError::isMissing(const QString &path)
{
    return !QFileInfo::exists(path);
}

} // namespace orvel
