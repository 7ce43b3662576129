#include "storage/DamagedFileCopy.h"

#include "platform/AtomicFileWriter.h"
#include "platform/FileError.h"
#include "storage/FileDamage.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>

namespace orvel {

QString DamagedFileCopy::nextName(const QString &path)
{
    const QString first = path + QStringLiteral(".damaged");
    QString name = first;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = first + u'-' + QString::number(n);
    return name;
}

DamagedFileCopy::Result DamagedFileCopy::keep(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, FileError::message(path, file.error(), file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, {}, FileError::message(path, file.error(), file.errorString())};
    const QString copy = nextName(path);
    const AtomicFileWriter::Result written = AtomicFileWriter::write(copy, bytes);
    if (!written.ok)
        return {false, {}, written.errorMessage};
    return {true, copy, {}};
}

QString DamagedFileCopy::keepAndDescribe(const FileDamage &damage, const QString &items)
{
    const Result kept = keep(damage.path);
    return damage.describe(items) + u'\n'
        + (kept.ok ? QStringLiteral("A copy of the file is kept as %1.").arg(QDir::toNativeSeparators(kept.copy))
                   : QStringLiteral("No copy of the file could be kept: %1").arg(kept.errorMessage));
}

} // namespace orvel
