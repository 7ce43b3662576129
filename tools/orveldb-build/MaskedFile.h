#pragma once

#include <QByteArray>
#include <QString>

namespace orvel {

// Writes a database file: the plain text masked byte by byte, as the reader unmasks it.
class MaskedFile {
public:
    // False, with `error` set, when the file cannot be written completely.
    static bool write(const QString &path, QByteArray plain, QString &error);
};

} // namespace orvel
