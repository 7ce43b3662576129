#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace orvel {

// Writes a database file: the plain text masked byte by byte, as the reader unmasks it.
class MaskedFile {
public:
    // Replaces the file at `path` whole; a failure keeps the old file.
    static Result<> write(const QString &path, QByteArray plain);
};

} // namespace orvel
