#include "storage/DamagedFileCopy.h"

#include "platform/AtomicFileWriter.h"
#include "platform/FileError.h"
#include "storage/FileDamage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

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

std::optional<QByteArray> contentOf(const QString &path, QString &error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes;
    }
    error = FileError::message(path, file.error(), file.errorString());
    return std::nullopt;
}

} // namespace

QString DamagedFileCopy::copyName(const QString &path)
{
    QString ignored;
    return nameFor(path, contentOf(path, ignored).value_or(QByteArray()));
}

DamagedFileCopy::Result DamagedFileCopy::keep(const QString &path)
{
    QString error;
    const std::optional<QByteArray> bytes = contentOf(path, error);
    if (!bytes)
        return {false, {}, error};
    const QString copy = nameFor(path, *bytes);
    if (taken(copy))
        return {true, copy, {}}; // the same damage kept earlier
    const AtomicFileWriter::Result written = AtomicFileWriter::write(copy, *bytes);
    if (!written.ok)
        return {false, {}, written.errorMessage};
    return {true, copy, {}};
}
QString DamagedFileCopy::keepAndDescribe(const FileDamage &damage, FileDamage::Items items)
{
    const Result kept = keep(damage.path);
    return damage.describe(items) + u'\n'
        + (kept.ok ? tr("A copy of the file is kept as %1.").arg(QDir::toNativeSeparators(kept.copy))
                   : tr("No copy of the file could be kept: %1").arg(kept.errorMessage));
}

} // namespace orvel
