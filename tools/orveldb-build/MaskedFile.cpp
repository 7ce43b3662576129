#include "MaskedFile.h"

#include "placedb/FieldReader.h"

#include <QFile>

namespace orvel {

bool MaskedFile::write(const QString &path, QByteArray plain, QString &error)
{
    FieldReader::UnmaskBuffer(plain.data(), plain.size());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(plain) != plain.size() ||
        !file.flush()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace orvel
