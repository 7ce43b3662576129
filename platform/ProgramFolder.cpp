#include "platform/ProgramFolder.h"

#include <QFileInfo>

namespace orvel {

QString ProgramFolder::resolve(const QString &chosen)
{
    if (chosen.isEmpty())
        return folderOfModule(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
    QString folder = chosen;
    while (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\')))
        folder.chop(1);
    return folder;
}

QString ProgramFolder::folderOfModule(const QString &moduleFileName)
{
    qsizetype cut = moduleFileName.lastIndexOf(u'\\');
    if (cut < 0)
        cut = moduleFileName.lastIndexOf(u'/');
    return cut < 0 ? QString() : moduleFileName.left(cut);
}

} // namespace orvel
