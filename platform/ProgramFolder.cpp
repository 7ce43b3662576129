#include "platform/ProgramFolder.h"

#include <QFileInfo>

namespace orvel {

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder::path()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return folderOfModule(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
}

QString ProgramFolder::file(const QString &name)
{
    return path() + u'/' + name;
}

void ProgramFolder::setOverride(const QString &dir)
{
    QString folder = dir;
    while (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\')))
        folder.chop(1);
    overrideFolder() = folder;
}

QString ProgramFolder::folderOfModule(const QString &moduleFileName)
{
    qsizetype cut = moduleFileName.lastIndexOf(u'\\');
    if (cut < 0)
        cut = moduleFileName.lastIndexOf(u'/');
    return cut < 0 ? QString() : moduleFileName.left(cut);
}

} // namespace orvel
