#include "platform/AtomicFileWriter.h"
#include "platform/FileError.h"
#include "platform/Result.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvel;

namespace {

Result<int> damagedHalf()
{
    Result<int> result = Result<int>::failed(ResultStatus::Damaged, QStringLiteral("broken at 12"), 6);
    result.addDiagnostics({QStringLiteral("line 1")});
    return result;
}

} // namespace

TEST(ResultTest, PassingOnKeepsStatusMessageAndDiagnosticsButNotTheValue)
{
    const Result<int> half = damagedHalf();
    EXPECT_FALSE(half);
    EXPECT_EQ(half.value(), 6);

    const Result<QString> text = Result<QString>::passOn(half, QStringLiteral("six"));
    EXPECT_EQ(text.status(), ResultStatus::Damaged);
    EXPECT_EQ(text.message(), QStringLiteral("broken at 12"));
    EXPECT_EQ(text.diagnostics(), QStringList{QStringLiteral("line 1")});
    EXPECT_EQ(text.value(), QStringLiteral("six"));

    const Result<> bare = Result<>::passOn(half);
    EXPECT_EQ(bare.status(), ResultStatus::Damaged);
    EXPECT_EQ(bare.diagnostics().size(), 1);

    const Result<int> done = 7;
    EXPECT_TRUE(done.ok());
    EXPECT_TRUE(done.message().isEmpty());
}

TEST(ResultTest, AFileErrorIsMissingOnlyWhereNothingStands)
{
    QTemporaryDir dir;
    const QString present = dir.filePath(QStringLiteral("present.txt"));
    QFile(present).open(QIODevice::WriteOnly);
    const struct {
        QString path;
        ResultStatus status;
    } rows[] = {
        {dir.filePath(QStringLiteral("absent.txt")), ResultStatus::Missing},
        {dir.filePath(QStringLiteral("no/folder/file.txt")), ResultStatus::Missing},
        {present, ResultStatus::Failed},
    };
    for (const auto &row : rows) {
        const Result<> failure = FileError::failure(row.path, QFileDevice::ReadError, QStringLiteral("Bad sector"));
        EXPECT_EQ(failure.status(), row.status) << qPrintable(row.path);
        EXPECT_TRUE(failure.message().contains(QDir::toNativeSeparators(row.path))) << qPrintable(failure.message());
    }
}

TEST(ResultTest, AWriteIntoAMissingFolderNamesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone/horoskop.xml"));
    const Result<> written = AtomicFileWriter::standard().write(path, "x");
    EXPECT_EQ(written.status(), ResultStatus::Missing);
    EXPECT_TRUE(written.message().contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(AtomicFileWriter::standard().write(dir.filePath(QStringLiteral("here.xml")), "x"));
}
