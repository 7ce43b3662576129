#pragma once

#include "placedb/FieldReader.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// A program folder for one fuzzing process, with an OrvelDB folder inside: every input
// is written there as the file the reader under test opens.
class FuzzFolder {
public:
    static FuzzFolder &instance()
    {
        static FuzzFolder folder;
        return folder;
    }

    QString root() const { return m_dir.path(); }
    QString database() const { return m_dir.path() + QStringLiteral("/OrvelDB"); }

    // Writes `bytes` as they are to `relativePath` under the program folder.
    QString write(const QString &relativePath, const QByteArray &bytes) const
    {
        const QString path = m_dir.path() + u'/' + relativePath;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
        return path;
    }

    // Writes plain text masked, as the database stores it.
    QString writeMasked(const QString &relativePath, QByteArray plain) const
    {
        orvel::FieldReader::UnmaskBuffer(plain.data(), plain.size());
        return write(relativePath, plain);
    }

private:
    FuzzFolder() { QDir(m_dir.path()).mkpath(QStringLiteral("OrvelDB")); }

    QTemporaryDir m_dir;
};

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
