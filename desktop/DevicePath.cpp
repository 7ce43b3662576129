#include "desktop/DevicePath.h"

#include "placedb/PlaceDatabase.h"
#include "storage/HoroscopeFile.h"
#include "storage/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace orvel {

namespace {

// The entry of `folder` named `name` in any case; an exact match wins.
std::optional<QString> existingEntry(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + u'/' + name))
        return name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return std::nullopt;
}

// True when `path` lies in `root` (both canonical).
bool inside(const QString &path, const QString &root)
{
    return path == root || path.startsWith(root.endsWith(u'/') ? root : root + u'/');
}

// The spelling under which the handheld program looks for `name` (horoskop.xml,
// orvel.xml, OrvelDB), or `name` itself.
QString handheldSpelling(const QString &name)
{
    for (const QString &known : {QString::fromLatin1(HoroscopeFile::FileName), QString::fromLatin1(SettingsFile::FileName),
                                 PlaceDatabase::FolderName})
        if (name.compare(known, Qt::CaseInsensitive) == 0)
            return known;
    return name;
}

} // namespace

std::optional<QString> DevicePath::resolve(const QString &deviceRoot, const QString &handheldPath)
{
    const QString root = QFileInfo(deviceRoot).canonicalFilePath();
    if (root.isEmpty())
        return std::nullopt;
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QString path = root;
    QString lastExisting = root;
    bool exists = true;
    for (const QString &part : handheldPath.split(separators, Qt::SkipEmptyParts)) {
        if (part == u".")
            continue;
        if (part == u".." || part.contains(u':'))
            return std::nullopt;
        std::optional<QString> entry = exists ? existingEntry(path, part) : std::nullopt;
        exists = entry.has_value();
        path += u'/' + (exists ? *entry : handheldSpelling(part));
        if (exists)
            lastExisting = path;
    }
    // Links are followed only as far as they stay inside the root.
    if (!inside(QFileInfo(lastExisting).canonicalFilePath(), root))
        return std::nullopt;
    return path;
}

} // namespace orvel
