// Every file the program writes is replaced as a whole: a save that fails part-way,
// after any number of bytes, leaves the previous file intact and readable, reports
// the file, and leaves no temporary file behind. The failure is the system's own: the
// process may not grow a file beyond a given size, as on a disk that fills up.
#include "engine/ChartSettings.h"
#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"
#include "storage/HoroscopeFile.h"
#include "storage/SettingsFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace orvel;

namespace {

// One kind of file: how to write version n of it, and which version a file holds
// (nullopt when it cannot be read).
struct FileKind {
    const char *fileName;
    std::function<void(const QString &path, int version, MessageSink &)> save;
    std::function<std::optional<int>(const QString &path)> load;
};

const FileKind Horoscopes{
    "horoskop.xml",
    [](const QString &path, int version, MessageSink &sink) {
        const Result<> saved =
            HoroscopeFile::save(path, std::vector(version, HoroscopeRecord::createDefault(DateTime(2000, 1, 1))));
        if (!saved)
            sink.showMessage(saved.message());
    },
    [](const QString &path) -> std::optional<int> {
        const Result<std::vector<HoroscopeRecord>> list = HoroscopeFile::load(path, DateTime(2000, 1, 1));
        if (!list)
            return std::nullopt;
        return static_cast<int>(list->size());
    }};

const FileKind Settings{
    "orvel.xml",
    [](const QString &path, int version, MessageSink &sink) {
        ChartSettings settings = ChartSettings::defaults();
        settings.houseSystem = version;
        if (const Result<> saved = SettingsFile::save(path, settings); !saved)
            sink.showMessage(saved.message());
    },
    [](const QString &path) -> std::optional<int> {
        const Result<ChartSettings> settings = SettingsFile::load(path, ChartSettings::defaults());
        if (!settings)
            return std::nullopt;
        return settings->houseSystem;
    }};

const FileKind LastCountry{
    "LstCntry.dat",
    [](const QString &path, int version, MessageSink &sink) {
        PlaceDatabase(QString(), path, sink).SaveLastCountry(QStringLiteral("Country %1").arg(version));
    },
    [](const QString &path) -> std::optional<int> {
        RecordingMessageSink sink;
        QString name;
        PlaceDatabase(QString(), path, sink).LoadLastCountry(name);
        if (!sink.messages.isEmpty() || name.isEmpty())
            return std::nullopt;
        return name.section(u' ', 1).toInt();
    }};

struct CrashCase {
    const char *name;
    const FileKind *kind;
    qint64 failAfter; // bytes a file may grow to before the disk counts as full
};

class CrashSafeFiles : public ::testing::TestWithParam<CrashCase> {};

} // namespace

TEST_P(CrashSafeFiles, FailedSaveKeepsThePreviousFile)
{
    const FileKind &kind = *GetParam().kind;
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kind.fileName));
    RecordingMessageSink sink;
    kind.save(path, 3, sink);
    ASSERT_TRUE(sink.messages.isEmpty());
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray previous = before.readAll();
    before.close();

    {
        const FileSizeLimit full(rlim_t(GetParam().failAfter));
        kind.save(path, 5, sink);
    }

    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains(QString::fromLatin1(kind.fileName))) << sink.messages[0].toStdString();
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), previous);
    EXPECT_EQ(kind.load(path), 3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QString::fromLatin1(kind.fileName)});

    kind.save(path, 5, sink); // and the next save succeeds again
    EXPECT_EQ(kind.load(path), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CrashSafeFiles,
    ::testing::Values(CrashCase{"HoroscopesNothingWritten", &Horoscopes, 0},
                      CrashCase{"HoroscopesAfterByteOrderMark", &Horoscopes, 2},
                      CrashCase{"HoroscopesMidway", &Horoscopes, 301},
                      CrashCase{"HoroscopesAllButTheLastByte", &Horoscopes, 1353},
                      CrashCase{"SettingsNothingWritten", &Settings, 0},
                      CrashCase{"SettingsOneByte", &Settings, 1},
                      CrashCase{"SettingsMidway", &Settings, 4000},
                      CrashCase{"LastCountryNothingWritten", &LastCountry, 0},
                      CrashCase{"LastCountryInTheLength", &LastCountry, 3},
                      CrashCase{"LastCountryInTheText", &LastCountry, 9}),
    [](const auto &info) { return std::string(info.param.name); });
