#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

// Small file helpers shared by the storage tests.
namespace storagetest {

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The bytes our writer produces for `text`: mark FF FE, then UTF-16LE.
inline QByteArray utf16File(const QString &text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(encoder.encode(text));
}

// The text of a file written by utf16File(), or a marker when the mark is missing.
inline QString utf16Text(const QByteArray &bytes)
{
    if (!bytes.startsWith(QByteArray("\xFF\xFE", 2)))
        return QStringLiteral("<no FF FE mark>");
    QStringDecoder decoder(QStringDecoder::Utf16LE);
    return decoder.decode(bytes.mid(2));
}

inline QString dataFile(const char *name)
{
    return QStringLiteral(ORVEL_TEST_DATA_DIR "/storage/") + QString::fromLatin1(name);
}

} // namespace storagetest
