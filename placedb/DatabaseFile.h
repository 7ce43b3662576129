#pragma once

#include <QByteArray>
#include <QString>

namespace orvel {

// Reading the database folder's masked files whole.
class DatabaseFile {
public:
    enum class Status { Read, Missing, Failed };

    struct Result {
        Status status = Status::Failed;
        QByteArray bytes;    // the unmasked content when Read
        QString message;     // the file-error text naming the file when Failed or Missing
    };

    // Reads the file at `path` whole and unmasks it. Missing: the file or its folder
    // does not exist.
    static Result read(const QString &path);

    // The path of prefix + code + ".txt" in `folder`, or an empty text when the code
    // (taken from the data) could name a file elsewhere: it holds a path separator,
    // "..", or a control character.
    static QString pathFor(const QString &folder, const QString &prefix, const QString &code);
};

} // namespace orvel
