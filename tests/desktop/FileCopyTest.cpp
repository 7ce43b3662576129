// Whole-file copies on a disk that fills up: the target keeps its old bytes and no
// part file is left, down to files of a few bytes, where a lost final flush would go
// unnoticed by a check of the copy's success alone.
#include "support/FileSizeLimit.h"

#include "desktop/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace orvel;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FileCopyTest : public QObject {
    Q_OBJECT

private slots:
    void replaceUnderAFileSizeLimit_data();
    void replaceUnderAFileSizeLimit();
    void mirrorLinksWithoutWriting();
};

void FileCopyTest::replaceUnderAFileSizeLimit_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("limit");
    QTest::newRow("nothing may be written") << 20 << 0;
    QTest::newRow("one byte of twenty") << 20 << 1;
    QTest::newRow("all but the last byte") << 20 << 19;
    QTest::newRow("a page, cut midway") << 4096 << 2000;
    QTest::newRow("a large file, cut midway") << 256 * 1024 << 64 * 1024;
    QTest::newRow("exactly at the limit") << 20 << 20;
}

void FileCopyTest::replaceUnderAFileSizeLimit()
{
    QFETCH(int, size);
    QFETCH(int, limit);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.txt"));
    const QString target = dir.filePath(QStringLiteral("target.txt"));
    const QByteArray bytes(size, 'n');
    writeFile(source, bytes);
    writeFile(target, "old");

    Result<> copied;
    {
        const FileSizeLimit full{rlim_t(limit)};
        copied = FileCopy::replace(source, target);
    }
    const bool fits = size <= limit;
    QCOMPARE(copied.ok(), fits);
    QCOMPARE(copied.message().contains(QDir::toNativeSeparators(target)), !fits);
    QCOMPARE(readFile(target), fits ? bytes : QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("source.txt"), QStringLiteral("target.txt")}));
}

// A hard link adds no bytes, so a mirror succeeds on a full disk and shares the
// source's file.
void FileCopyTest::mirrorLinksWithoutWriting()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.txt"));
    const QString target = dir.filePath(QStringLiteral("target.txt"));
    writeFile(source, "new places");
    writeFile(target, "old");
    Result<> mirrored;
    {
        const FileSizeLimit full(0);
        mirrored = FileCopy::mirror(source, target);
    }
    QVERIFY2(mirrored.ok(), qPrintable(mirrored.message()));
    QCOMPARE(readFile(target), QByteArray("new places"));
    QVERIFY(std::filesystem::equivalent(FileCopy::native(source), FileCopy::native(target)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("source.txt"), QStringLiteral("target.txt")}));
}

QTEST_GUILESS_MAIN(FileCopyTest)
#include "FileCopyTest.moc"
