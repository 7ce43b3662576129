#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

namespace orvel {

// Reading the database folder's masked files whole.
class DatabaseFile {
public:
    // Reads the file at `path` whole and unmasks it: the unmasked content, or Missing
    // when the file or its folder does not exist, Failed when it cannot be read.
    static Result<QByteArray> read(const QString &path);

    // The path of prefix + code + ".txt" in `folder`, or an empty text when the code
    // (taken from the data) could name a file elsewhere: it holds a path separator,
    // "..", or a control character.
    static QString pathFor(const QString &folder, const QString &prefix, const QString &code);
};

} // namespace orvel
