#include "placedb/DatabaseFile.h"

#include "placedb/FieldReader.h"
#include "platform/FileError.h"

#include <QFile>

namespace orvel {

DatabaseFile::Result DatabaseFile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        const Status status = FileError::isMissing(path) ? Status::Missing : Status::Failed;
        return {status, {}, FileError::message(path, file.error(), file.errorString())};
    }
    Result result;
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {Status::Failed, {}, FileError::message(path, file.error(), file.errorString())};
    FieldReader::UnmaskBuffer(result.bytes.data(), result.bytes.size());
    result.status = Status::Read;
    return result;
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
