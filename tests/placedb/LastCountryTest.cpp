#include "MaskedDatabase.h"

#include "placedb/ArchivedString.h"
#include "support/FailingFileWriter.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace orvel;

namespace {

struct LengthCase {
    const char *name;
    qsizetype length;
    QByteArray lengthBytes; // after 0xFF 0xFE 0xFF
};

class ArchivedLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ArchivedLengthTest, ChoosesTheFormAndRoundTrips)
{
    const QString text(GetParam().length, QChar(u'é'));
    const QByteArray bytes = ArchivedString::encode(text);
    EXPECT_EQ(bytes.left(3 + GetParam().lengthBytes.size()), QByteArray("\xFF\xFE\xFF") + GetParam().lengthBytes);
    EXPECT_EQ(bytes.size(), 3 + GetParam().lengthBytes.size() + 2 * GetParam().length);
    EXPECT_EQ(ArchivedString::decode(bytes), text);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ArchivedLengthTest,
    ::testing::Values(LengthCase{"Empty", 0, QByteArray(1, '\0')},
                      LengthCase{"OneByteUpTo254", 254, QByteArray("\xFE")},
                      LengthCase{"SixteenBitsFrom255", 255, QByteArray("\xFF\xFF\x00", 3)},
                      LengthCase{"SixteenBitsUpTo65533", 0xFFFD, QByteArray("\xFF\xFD\xFF")},
                      LengthCase{"ThirtyTwoBitsFrom65534", 0xFFFE, QByteArray("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
                      LengthCase{"ThirtyTwoBitsLarge", 70000, QByteArray("\xFF\xFF\xFF\x70\x11\x01\x00", 7)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ArchivedString, CharactersAreUtf16LittleEndian)
{
    EXPECT_EQ(ArchivedString::encode(QString::fromUtf16(u"D\u00E9\u65E5")),
              QByteArray("\xFF\xFE\xFF\x03\x44\x00\xE9\x00\xE5\x65", 10));
    EXPECT_EQ(ArchivedString::decode(QByteArray("\xFF\xFE\xFF\x01\x41\x00trailing", 14)), QStringLiteral("A"));
}

struct DamagedCase {
    const char *name;
    QByteArray bytes;
};

class DamagedArchiveTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedArchiveTest, IsRejected)
{
    EXPECT_EQ(ArchivedString::decode(GetParam().bytes), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DamagedArchiveTest,
    ::testing::Values(DamagedCase{"Empty", QByteArray()},
                      DamagedCase{"EightBitString", QByteArray("\x03" "abc")},
                      DamagedCase{"LengthBeyondTheFile", QByteArray("\xFF\xFE\xFF\x05\x41\x00", 6)},
                      DamagedCase{"HugeLengthBeyondTheFile", QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x41\x00", 12)},
                      DamagedCase{"SecondWideMarker", QByteArray("\xFF\xFE\xFF\xFF\xFE\xFF\x00", 7)},
                      DamagedCase{"OddByteCount", QByteArray("\xFF\xFE\xFF\x01\x41", 5)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LastCountry, SavedNameIsLoadedBack)
{
    MaskedDatabase db;
    const QString name = QStringLiteral("Österreich – 日本");
    db.open().SaveLastCountry(name);
    QString loaded = QStringLiteral("default");
    db.open().LoadLastCountry(loaded);
    EXPECT_EQ(loaded, name);
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

TEST(LastCountry, MissingFileKeepsTheDefaultSilently)
{
    MaskedDatabase db;
    QString country = QStringLiteral("Deutschland");
    db.open().LoadLastCountry(country);
    EXPECT_EQ(country, QStringLiteral("Deutschland"));
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

TEST(LastCountry, EveryTruncationIsReportedAndKeepsTheDefault)
{
    MaskedDatabase db;
    const QByteArray full = ArchivedString::encode(QString(255, QChar(u'x')));
    for (qsizetype length = 0; length < full.size(); ++length) {
        QFile file(db.lastCountryFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(full.left(length));
        file.close();
        QString country = QStringLiteral("default");
        db.open().LoadLastCountry(country);
        EXPECT_EQ(country, QStringLiteral("default")) << length;
    }
    EXPECT_EQ(db.sink.messages.size(), full.size());
    EXPECT_TRUE(db.sink.messages.back().contains(QStringLiteral("LstCntry.dat")));
}

TEST(LastCountry, UnreadableFileIsReported)
{
    MaskedDatabase db;
    ASSERT_TRUE(QDir().mkdir(db.lastCountryFile()));
    QString country = QStringLiteral("default");
    db.open().LoadLastCountry(country);
    EXPECT_EQ(country, QStringLiteral("default"));
    EXPECT_EQ(db.sink.messages.size(), 1);
}

TEST(LastCountry, FailedWriteKeepsTheOldFile)
{
    MaskedDatabase db;
    db.open().SaveLastCountry(QStringLiteral("Schweiz"));
    db.open().SaveLastCountry(QStringLiteral("Deutschland"), FailingFileWriter());
    ASSERT_EQ(db.sink.messages.size(), 1);
    EXPECT_TRUE(db.sink.messages[0].contains(QStringLiteral("LstCntry.dat")));

    QString country;
    db.open().LoadLastCountry(country);
    EXPECT_EQ(country, QStringLiteral("Schweiz"));
}

} // namespace
