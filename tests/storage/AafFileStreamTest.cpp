#include "storage/AafFileStream.h"

#include "platform/Windows1252.h"
#include "storage/AafChunks.h"
#include "storage/AafTextDecoder.h"

#include "FakePlaceDirectory.h"
#include "StorageTestFiles.h"

#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace orvel;
using namespace storagetest;

namespace {

struct StreamCase {
    const char *name;
    QByteArray bytes;
};

std::ostream &operator<<(std::ostream &os, const StreamCase &c) { return os << c.name; }

QByteArray utf16BigEndian(const QString &text)
{
    QStringEncoder encoder(QStringEncoder::Utf16BE);
    return QByteArray("\xFE\xFF", 2) + QByteArray(encoder.encode(text));
}

// Bytes of every value with lines, chunk starts and record starts among them, as in a
// file that is damaged or no AAF file at all.
QByteArray damaged(unsigned seed, int size)
{
    static const QByteArray pieces[] = {"\n#A93:", "\r\n#B93:", "\n#", ",", ":", "\n", "1.7.1980", "\xC3", "\xBC"};
    std::mt19937 random(seed);
    QByteArray bytes;
    while (bytes.size() < size) {
        if (random() % 8 == 0)
            bytes += pieces[random() % std::size(pieces)];
        else
            bytes += char(random() % 256);
    }
    return bytes;
}

QByteArray manyRecords(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "#A93:Nr" + QByteArray::number(i) + ",J\xC3\xB6rg,m," + QByteArray::number(1 + i % 28) + ".7."
            + QByteArray::number(1800 + i) + ",12:00,Berlin,D\r\n#COM:a comment,\r\n  that goes on\r\n"
            + (i % 3 ? "#B93:*,52n31,13e24,1he00,1\r\n" : "");
    return bytes;
}

const QByteArray Record = "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n";

std::vector<StreamCase> streamCases()
{
    return {
        {"OtherPrograms", readBytes(dataFile("other-programs.aaf"))},
        {"TwentyBirthsInIso8859WithCrLf", readBytes(dataFile("twenty-births.aaf"))},
        {"ManyRecordsWithContinuedComments", manyRecords(300)},
        {"Utf8WithMarkAndBadBytes",
         "\xEF\xBB\xBF#A93:M\xC3\xBCller,J\xC3\xB6rg,m,1.7.1980,12:00,Berlin,D\n#A93:Bad\xFF\xC3(,Bytes,m,1.7.1980,"
         "12:00,Berlin,D\n#A93:Cut,At the end\xE2\x82\xAC\xE2\x82"},
        {"Utf8WithoutMark",
         "#A93:\xC5\xBB\xC3\xB3\xC5\x82\xC4\x87,\xE2\x82\xAC uro \xF0\x9F\x8E\x82,m,1.7.1980,12:00,Berlin,D\n" + Record},
        // Valid UTF-8 up to a byte near the end: the whole file is read as Windows-1252.
        {"Windows1252ByALateByte", "#A93:M\xC3\xBCller,J\xC3\xB6rg,m,1.7.1980,12:00,Berlin,D\n" + manyRecords(40)
                                       + "#A93:M\xFCller,J\xF6rg,m,1.7.1980,12:00,Berlin,D\n"},
        {"Utf8CutInItsLastCharacter", "#A93:M\xC3\xBCller,J\xC3\xB6rg,m,1.7.1980,12:00,Berlin,D\n#:\xE2\x82"},
        {"Utf16LittleEndian",
         utf16File(QStringLiteral("#A93:M\u00FCller,J\u00F6rg \U0001F382,m,1.7.1980,12:00,Berlin,D\r\n#B93:*,52n31,13e24,"
                                  "1he00,1\r\n"))},
        {"Utf16BigEndianWithAnOddLastByte",
         utf16BigEndian(QStringLiteral("#A93:M\u00FCller,J\u00F6rg \U0001F382,m,1.7.1980,12:00,Berlin,D\n")) + "\x00"},
        {"ContinuationLines",
         "#A93:Muster,Max,m,\n1.7.1980,12:00,\nBerlin,D\n#COM:Pianist,\n  composer\n#no colon\ncontinued\n#B93:*,\n52n31,"
         "13e24,1he00,1\n\n"},
        {"NoLineBreakAtTheEnd", Record + "#B93:*,52n31,13e24,1he00,1"},
        {"LineBreaksOfAllKinds", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\r\n#B93:*,52n31,13e24,1he00,1\r\r\n" + Record},
        {"B93WithoutItsA93", "#B93:*,52n31,13e24,1he00,1\n" + Record + "#B93:*,52n31,13e24,1he00,1\n#B93:*,1n,1e,*,*\n"},
        {"Empty", ""},
        {"Utf8MarkOnly", "\xEF\xBB\xBF"},
        {"Utf16MarkOnly", "\xFF\xFE"},
        {"TwoBytesOfAMark", "\xEF\xBB"},
        {"Damaged", damaged(1, 20000)},
        {"DamagedAfterGoodRecords", manyRecords(20) + damaged(2, 5000)},
    };
}

std::vector<AafEntry> streamed(const QString &path, PlaceDirectory &places, qsizetype blockSize)
{
    AafFileStream stream(places, AafFileStream::NoLimit, blockSize);
    std::vector<AafEntry> entries;
    if (!stream.open(path)) {
        ADD_FAILURE() << stream.error().toStdString();
        return entries;
    }
    for (AafEntry entry; stream.next(entry);)
        entries.push_back(std::move(entry));
    // A file without records says so at its end; one with records ends well.
    EXPECT_EQ(stream.error().isEmpty(), !entries.empty()) << stream.error().toStdString();
    return entries;
}

void expectSameEntries(const std::vector<AafEntry> &actual, const std::vector<AafEntry> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        EXPECT_EQ(actual[i].record, expected[i].record);
        EXPECT_EQ(actual[i].name, expected[i].name);
        EXPECT_EQ(actual[i].reason, expected[i].reason);
        EXPECT_EQ(actual[i].horoscope.has_value(), expected[i].horoscope.has_value());
        if (actual[i].horoscope && expected[i].horoscope) {
            EXPECT_TRUE(*actual[i].horoscope == *expected[i].horoscope) << actual[i].name.toStdString();
        }
    }
}

class AafStreamedFileTest : public testing::TestWithParam<std::tuple<StreamCase, qsizetype>> {};

} // namespace

TEST_P(AafStreamedFileTest, GivesTheEntriesOfTheWholeFileReader)
{
    const auto &[c, blockSize] = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.aaf"));
    writeBytes(path, c.bytes);
    FakeDirectory wholePlaces;
    const std::vector<AafEntry> whole = AafFile::read(c.bytes, wholePlaces);
    FakeDirectory streamPlaces;
    expectSameEntries(streamed(path, streamPlaces, blockSize), whole);
    // One importer for the file: its answers from the database are kept as for the whole file.
    EXPECT_EQ(streamPlaces.countryLists, wholePlaces.countryLists);
    EXPECT_EQ(streamPlaces.placeLookups, wholePlaces.placeLookups);
    EXPECT_EQ(streamPlaces.offsetLookups, wholePlaces.offsetLookups);
}

INSTANTIATE_TEST_SUITE_P(Files, AafStreamedFileTest,
                         testing::Combine(testing::ValuesIn(streamCases()),
                                          testing::Values(qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(5),
                                                          qsizetype(64), AafFileStream::BlockSize)),
                         [](const testing::TestParamInfo<std::tuple<StreamCase, qsizetype>> &info) {
                             return std::string(std::get<0>(info.param).name) + "_Blocks"
                                 + std::to_string(std::get<1>(info.param));
                         });

TEST(AafFileStreamTest, TheWholeFileChoosesTheEncoding)
{
    FakeDirectory places;
    const std::vector<StreamCase> cases = streamCases();
    const auto firstName = [&](const char *name) {
        for (const StreamCase &c : cases) {
            if (QLatin1String(c.name) == QLatin1String(name))
                return AafFile::read(c.bytes, places).front().name;
        }
        return QString();
    };
    EXPECT_EQ(firstName("Utf8WithMarkAndBadBytes"), QStringLiteral("J\u00F6rg M\u00FCller"));
    EXPECT_EQ(firstName("Utf8WithoutMark"), QStringLiteral("\u20AC uro \U0001F382 \u017B\u00F3\u0142\u0107"));
    EXPECT_EQ(firstName("Windows1252ByALateByte"), QStringLiteral("J\u00C3\u00B6rg M\u00C3\u00BCller"));
    EXPECT_EQ(firstName("Utf8CutInItsLastCharacter"), QStringLiteral("J\u00C3\u00B6rg M\u00C3\u00BCller"));
    EXPECT_EQ(firstName("Utf16LittleEndian"), QStringLiteral("J\u00F6rg \U0001F382 M\u00FCller"));
    EXPECT_EQ(firstName("Utf16BigEndianWithAnOddLastByte"), QStringLiteral("J\u00F6rg \U0001F382 M\u00FCller"));
}

// Random bytes after each mark, decoded in blocks of every small size, against the
// whole file decoded by Qt's own conversions.
TEST(AafFileStreamTest, DecodesBlocksAsTheWholeFile)
{
    struct Mark {
        const char *name;
        QByteArray bytes;
    };
    const Mark marks[] = {{"none", ""}, {"UTF-8", "\xEF\xBB\xBF"}, {"UTF-16LE", "\xFF\xFE"}, {"UTF-16BE", "\xFE\xFF"}};
    std::mt19937 random(7);
    for (const Mark &mark : marks) {
        for (int sample = 0; sample < 300; ++sample) {
            QByteArray bytes = mark.bytes;
            // Mostly bytes that start or continue UTF-8 characters, so that valid and
            // broken characters both fall on block ends.
            for (int i = int(random() % 24); i > 0; --i)
                bytes += char(random() % 4 ? 0x80 + random() % 0x78 : random() % 0x80);
            if (sample % 5 == 0)
                bytes = mark.bytes + QByteArray("a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x8E\x82").left(int(random() % 11));
            QString expected;
            if (mark.bytes.startsWith("\xEF")) {
                expected = QString::fromUtf8(bytes.mid(3));
            } else if (!mark.bytes.isEmpty()) {
                QStringDecoder utf16(mark.bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
                expected = utf16.decode(bytes.mid(2));
            } else {
                expected = QByteArrayView(bytes).isValidUtf8() ? QString::fromUtf8(bytes)
                                                               : Windows1252::toText(bytes.constData(), bytes.size());
            }
            EXPECT_EQ(AafChunks::decode(bytes), expected) << mark.name << " " << bytes.toHex().constData();
            for (qsizetype blockSize = 1; blockSize <= 5; ++blockSize) {
                AafTextDecoder decoder;
                for (qsizetype at = 0; at < bytes.size(); at += blockSize)
                    decoder.examine(QByteArrayView(bytes).sliced(at, std::min(blockSize, bytes.size() - at)));
                const qsizetype begin = decoder.choose();
                QString text;
                for (qsizetype at = begin; at < bytes.size(); at += blockSize)
                    decoder.decode(QByteArrayView(bytes).sliced(at, std::min(blockSize, bytes.size() - at)), text);
                decoder.finish(text);
                EXPECT_EQ(text, expected) << mark.name << " " << bytes.toHex().constData() << " in blocks of " << blockSize;
            }
        }
    }
}

TEST(AafFileStreamTest, FilesThatCannotBeReadOrAreTooLarge)
{
    QTemporaryDir dir;
    FakeDirectory places;
    AafFileStream missing(places);
    EXPECT_FALSE(missing.open(dir.filePath(QStringLiteral("none.aaf"))));
    EXPECT_TRUE(missing.error().contains(QStringLiteral("none.aaf"))) << missing.error().toStdString();
    AafEntry entry;
    EXPECT_FALSE(missing.next(entry));

    const QString path = dir.filePath(QStringLiteral("in.aaf"));
    writeBytes(path, Record);
    AafFileStream limited(places, Record.size() - 1);
    EXPECT_FALSE(limited.open(path));
    EXPECT_TRUE(limited.error().contains(QStringLiteral("larger than %1 bytes").arg(Record.size() - 1)));
    EXPECT_FALSE(limited.next(entry));
    AafFileStream fits(places, Record.size());
    ASSERT_TRUE(fits.open(path));
    EXPECT_TRUE(fits.next(entry));
    EXPECT_FALSE(fits.next(entry));
    EXPECT_TRUE(fits.error().isEmpty());
}

#ifdef Q_OS_UNIX
// A pipe cannot be read twice: it is read whole, within the limit, as the loader always did.
TEST(AafFileStreamTest, APipeIsReadWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pipe.aaf"));
    const QByteArray bytes = manyRecords(50) + "#A93:M\xFCller,J\xF6rg,m,1.7.1980,12:00,Berlin,D\n";
    FakeDirectory places;
    for (const qint64 limit : {AafFileStream::NoLimit, qint64(bytes.size()), qint64(bytes.size() - 1)}) {
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        std::thread writer([&] {
            QFile pipe(path);
            if (pipe.open(QIODevice::WriteOnly))
                pipe.write(bytes);
        });
        AafFileStream stream(places, limit);
        const bool opened = stream.open(path);
        writer.join();
        QFile::remove(path);
        EXPECT_EQ(opened, limit != bytes.size() - 1) << limit;
        if (!opened)
            continue;
        std::vector<AafEntry> entries;
        for (AafEntry entry; stream.next(entry);)
            entries.push_back(std::move(entry));
        expectSameEntries(entries, AafFile::read(bytes, places));
    }
}
#endif
