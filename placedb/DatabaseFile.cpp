#include "placedb/DatabaseFile.h"

#include "placedb/FieldReader.h"
#include "platform/FileError.h"

#include <QFile>

namespace orvel {

Result<QByteArray> DatabaseFile::read(const QString &path)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        return Result<QByteArray>::passOn(FileError::failure(path, file.error(), file.errorString()));
    FieldReader::UnmaskBuffer(bytes.data(), bytes.size());
    return bytes;
}

QString DatabaseFile::pathFor(const QString &folder, const QString &prefix, const QString &code)
{
    if (code.contains(u'/') || code.contains(u'\\') || code.contains(QStringLiteral("..")))
        return {};
    for (const QChar c : code) {
        if (c.category() == QChar::Other_Control)
            return {};
    }
    return folder + u'/' + prefix + code + QStringLiteral(".txt");
}

} // namespace orvel
