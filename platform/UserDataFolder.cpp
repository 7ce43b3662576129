#include "platform/UserDataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvel {

QString UserDataFolder::choose(const QString &programFolder)
{
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

} // namespace orvel
