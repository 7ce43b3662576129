#include "desktop/UserProgramFolder.h"

#include "platform/UserDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvel {

QString UserProgramFolder::choose(const QString &programFolder)
{
    const QString folder = UserDataFolder::choose(programFolder);
    if (folder == programFolder)
        return folder;
    const QDir user(folder);
    // Links left from files an update removed lead nowhere.
    for (const QFileInfo &entry : user.entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        if (entry.isSymLink() && !entry.exists())
            QFile::remove(entry.filePath());
    }
    for (const QFileInfo &entry : QDir(programFolder).entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries)) {
        const QString link = user.filePath(entry.fileName());
        if (!QFileInfo(link).isSymLink() && !QFileInfo::exists(link))
            QFile::link(entry.absoluteFilePath(), link);
    }
    return folder;
}

} // namespace orvel
