#include "storage/DamagedFileCopy.h"

#include "platform/FileError.h"
#include "storage/FileDamage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvel {

namespace {

bool holds(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

bool taken(const QString &name)
{
    return QFileInfo::exists(name) || QFileInfo(name).isSymLink();
}

// The n-th copy's name, counted from 1.
QString copyAt(const QString &path, int n)
{
    return path + QStringLiteral(".damaged") + (n == 1 ? QString() : u'-' + QString::number(n));
}

// The copy that holds `bytes` already, else the first free name.
QString nameFor(const QString &path, const QByteArray &bytes)
{
    int n = 1;
    while (taken(copyAt(path, n)) && !holds(copyAt(path, n), bytes))
        ++n;
    return copyAt(path, n);
}

Result<QByteArray> contentOf(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes;
    }
    return Result<QByteArray>::passOn(FileError::failure(path, file.error(), file.errorString()));
}

} // namespace

QString DamagedFileCopy::copyName(const QString &path)
{
    return nameFor(path, contentOf(path).value());
}

Result<QString> DamagedFileCopy::keep(const QString &path, const FileWriter &writer)
{
    const Result<QByteArray> bytes = contentOf(path);
    if (!bytes)
        return Result<QString>::passOn(bytes);
    const QString copy = nameFor(path, bytes.value());
    if (taken(copy))
        return copy; // the same damage kept earlier
    if (const Result<> written = writer.write(copy, bytes.value()); !written)
        return Result<QString>::passOn(written);
    return copy;
}

QString DamagedFileCopy::keepAndDescribe(const FileDamage &damage, FileDamage::Items items, const FileWriter &writer)
{
    const Result<QString> kept = keep(damage.path, writer);
    return damage.describe(items) + u'\n'
        + (kept ? tr("A copy of the file is kept as %1.").arg(QDir::toNativeSeparators(kept.value()))
                : tr("No copy of the file could be kept: %1").arg(kept.message()));
}

} // namespace orvel
