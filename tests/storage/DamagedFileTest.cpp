#include "storage/COrvelWinDoc.h"
#include "storage/DamagedFileCopy.h"
#include "storage/HoroscopeFile.h"
#include "storage/SettingsFile.h"

#include "platform/Clock.h"
#include "platform/RecordingMessageSink.h"
#include "support/FailingFileWriter.h"

#include "StorageTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvel;
using namespace storagetest;

namespace {

const DateTime Now(2026, 12, 8, 14, 0, 0);

HoroscopeRecord named(const char *name)
{
    HoroscopeRecord r = HoroscopeRecord::createDefault(DateTime(1990, 2, 1, 10, 0, 0));
    r.name = QString::fromLatin1(name);
    return r;
}

// The text our writer gives for records A, B and C.
QString threeRecords(const QString &folder)
{
    const QString path = folder + QStringLiteral("/three.xml");
    EXPECT_TRUE(HoroscopeFile::save(path, {named("A"), named("B"), named("C")}).ok());
    return utf16Text(readBytes(path));
}

// Where a cut falls: after the n-th occurrence of `after` (0: at its start), moved by `shift`.
struct Cut {
    const char *name;
    const char *at;   // text the cut is placed by
    int occurrence;   // 1 = first
    bool afterIt;     // cut after the text rather than before it
    int shift;        // characters further on
    int recordsRead;
};

qsizetype cutPosition(const QString &text, const Cut &cut)
{
    qsizetype from = -1;
    for (int i = 0; i < cut.occurrence; ++i)
        from = text.indexOf(QLatin1StringView(cut.at), from + 1);
    EXPECT_GE(from, 0) << cut.name;
    return from + (cut.afterIt ? qsizetype(qstrlen(cut.at)) : 0) + cut.shift;
}

class HoroscopeCutTest : public testing::TestWithParam<Cut> {
protected:
    QTemporaryDir dir;
};

// A cut-off file gives every Horoskop element that ended before the cut, names the
// cut's character offset and counts what was read; the plain loader still refuses it.
TEST_P(HoroscopeCutTest, ReadsTheCompleteRecordsBeforeTheCut)
{
    const Cut cut = GetParam();
    const QString text = threeRecords(dir.path());
    const qsizetype at = cutPosition(text, cut);
    const QString path = dir.filePath(QStringLiteral("horoskop.xml"));
    writeBytes(path, utf16File(text.left(at)));

    testing::internal::CaptureStderr();
    const Result<HoroscopeFile::Reading> reading = HoroscopeFile::read(path, Now);
    const Result<std::vector<HoroscopeRecord>> loaded = HoroscopeFile::load(path, Now);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(loaded.status(), ResultStatus::Damaged);
    EXPECT_TRUE(loaded->empty());

    const char *all[] = {"A", "B", "C"};
    std::vector<HoroscopeRecord> expected;
    for (int i = 0; i < cut.recordsRead; ++i)
        expected.push_back(named(all[i]));
    EXPECT_EQ(reading.status(), ResultStatus::Damaged);
    EXPECT_EQ(reading->records(), expected);
    ASSERT_TRUE(reading->damage.isDamaged());
    EXPECT_EQ(reading->damage.brokenAt, at);
    EXPECT_EQ(reading->damage.read, cut.recordsRead);
    const QString message = reading->damage.describe(FileDamage::Items::Horoscopes);
    EXPECT_EQ(reading.message(), message);
    EXPECT_TRUE(message.contains(QStringLiteral("horoskop.xml is damaged at character %1 (").arg(at))) << qPrintable(message);
    EXPECT_TRUE(message.contains(QStringLiteral(" %1 horoscopes could be read.").arg(cut.recordsRead))) << qPrintable(message);
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, HoroscopeCutTest,
    testing::Values(Cut{"InsideTheRootTag", "<Orvel_Horoskop>", 1, false, 5, 0},
                    Cut{"BeforeTheFirstRecord", "<Horoskop ", 1, false, 0, 0},
                    Cut{"InsideTheFirstStartTag", "<Horoskop ", 1, true, 2, 0},
                    Cut{"AfterTheFirstRecord", "</Horoskop>", 1, true, 0, 1},
                    Cut{"InTheMiddleOfTheSecondName", "<Name>", 2, true, 0, 1},
                    Cut{"InTheMiddleOfTheSecondDate", "<Date>", 2, true, 5, 1},
                    Cut{"InsideTheSecondEndTag", "</Horoskop>", 2, true, -3, 1},
                    Cut{"AfterTheSecondRecord", "</Horoskop>", 2, true, 0, 2},
                    Cut{"AfterTheLastRecord", "</Horoskop>", 3, true, 0, 3},
                    Cut{"InsideTheRootEndTag", "</Orvel_Horoskop>", 1, true, -1, 3}),
    [](const testing::TestParamInfo<Cut> &info) { return std::string(info.param.name); });

TEST(HoroscopeReadTest, DroppedRecordsAreDamageWithTheirPlaceAndReason)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("horoskop.xml"));
    const QByteArray xml = "<Orvel_Horoskop><Horoskop><Name>A</Name><Date>01.02.1990 10:00:00</Date></Horoskop>"
                           "<Horoskop><Name>Short</Name><Date>01.01.01 00:00:00</Date></Horoskop></Orvel_Horoskop>";
    writeBytes(path, xml);
    testing::internal::CaptureStderr();
    const Result<HoroscopeFile::Reading> reading = HoroscopeFile::read(path, Now);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(reading.status(), ResultStatus::Damaged);
    EXPECT_EQ(reading->records().size(), 1u);
    EXPECT_FALSE(reading->damage.brokenAt);
    ASSERT_EQ(reading->damage.skipped.size(), 1);
    EXPECT_TRUE(reading->damage.skipped[0].startsWith(
        QStringLiteral("\"Short\" at character %1: Date '01.01.01 00:00:00'").arg(xml.indexOf("<Horoskop><Name>Short"))))
        << qPrintable(reading->damage.skipped[0]);
    EXPECT_TRUE(reading->damage.describe(FileDamage::Items::Horoscopes).contains(QStringLiteral("1 horoscopes could be read.")));
    // Records the loader drops do not fail a load.
    EXPECT_EQ(HoroscopeFile::load(path, Now)->size(), 1u);
}

TEST(HoroscopeReadTest, MissingAndSoundFilesAreNoDamage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("horoskop.xml"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(HoroscopeFile::read(path, Now).status(), ResultStatus::Missing);
    EXPECT_FALSE(HoroscopeFile::read(path, Now)->damage.isDamaged());
    writeBytes(path, utf16File(threeRecords(dir.path())));
    const Result<HoroscopeFile::Reading> sound = HoroscopeFile::read(path, Now);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(sound.ok());
    EXPECT_FALSE(sound->damage.isDamaged());
    EXPECT_EQ(sound->records().size(), 3u);
}

struct SettingsCut {
    const char *name;
    const char *xml;
    int trine;      // the Trine angle read over the default 120
    int valuesRead;
};

class SettingsCutTest : public testing::TestWithParam<SettingsCut> {};

// Keys that ended before the damage are read over the defaults; one the damage cut
// off could hold only the start of its value and is left out.
TEST_P(SettingsCutTest, ReadsTheCompleteKeysBeforeTheCut)
{
    const SettingsCut cut = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orvel.xml"));
    writeBytes(path, cut.xml);
    testing::internal::CaptureStderr();
    const Result<SettingsFile::Reading> reading = SettingsFile::read(path, ChartSettings::defaults());
    const Result<ChartSettings> loaded = SettingsFile::load(path, ChartSettings::defaults());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(reading.status(), ResultStatus::Damaged);
    EXPECT_EQ(reading->settings.aspectAngles[3], cut.trine);
    EXPECT_EQ(reading->damage.read, cut.valuesRead);
    EXPECT_EQ(reading->damage.brokenAt, qstrlen(cut.xml));
    EXPECT_FALSE(loaded);
    EXPECT_EQ(loaded.value(), ChartSettings::defaults());
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, SettingsCutTest,
    testing::Values(SettingsCut{"BeforeTheFirstKey", "<Orvel_Config>", 120, 0},
                    SettingsCut{"InTheMiddleOfAValue", "<Orvel_Config><Asp_Grad Index=\"3\">15", 120, 0},
                    SettingsCut{"AfterAKey", "<Orvel_Config><Asp_Grad Index=\"3\">150</Asp_Grad>", 150, 1},
                    SettingsCut{"InTheMiddleOfTheNextKey",
                                "<Orvel_Config><Asp_Grad Index=\"3\">150</Asp_Grad><Asp_Grad Index=\"3\">9", 150, 1}),
    [](const testing::TestParamInfo<SettingsCut> &info) { return std::string(info.param.name); });

TEST(DamagedFileCopyTest, KeepsEachCopyUnderANewName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("horoskop.xml"));
    for (const QByteArray &content : {QByteArray("first"), QByteArray("second"), QByteArray("third")}) {
        writeBytes(path, content);
        const Result<QString> kept = DamagedFileCopy::keep(path);
        ASSERT_TRUE(kept.ok()) << qPrintable(kept.message());
    }
    EXPECT_EQ(readBytes(path + QStringLiteral(".damaged")), QByteArray("first"));
    EXPECT_EQ(readBytes(path + QStringLiteral(".damaged-2")), QByteArray("second"));
    EXPECT_EQ(readBytes(path + QStringLiteral(".damaged-3")), QByteArray("third"));
    writeBytes(path, "fourth");
    EXPECT_EQ(DamagedFileCopy::copyName(path), path + QStringLiteral(".damaged-4"));

    // The same damage again is not copied twice.
    writeBytes(path, "second");
    EXPECT_EQ(DamagedFileCopy::copyName(path), path + QStringLiteral(".damaged-2"));
    const Result<QString> again = DamagedFileCopy::keep(path);
    EXPECT_EQ(again.value(), path + QStringLiteral(".damaged-2"));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".damaged-4")));
}

class DocumentOnDamagedFilesTest : public testing::Test {
protected:
    DocumentOnDamagedFilesTest() { clock.fix(Now); }

    QString file(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    // A document started on the folder, writing through `writer`; what it printed on
    // standard error (it should print nothing) goes to `printed`.
    std::unique_ptr<COrvelWinDoc> start()
    {
        auto document = std::make_unique<COrvelWinDoc>(clock, ui, dir.path(), dir.path(), writer);
        testing::internal::CaptureStderr();
        document->OnNewDocument();
        printed = testing::internal::GetCapturedStderr();
        return document;
    }

    std::string printed;

    QTemporaryDir dir;
    Clock clock;
    RecordingMessageSink ui;
    FailingFileWriter writer{false};
};

// Missing files are no damage; each gives its one line for standard error.
TEST_F(DocumentOnDamagedFilesTest, MissingFilesAreToldOnceEach)
{
    EXPECT_TRUE(start()->startupReport().isEmpty());
    EXPECT_EQ(printed, "");
    const QStringList expected{QStringLiteral("%1 was not found.").arg(QDir::toNativeSeparators(file("orvel.xml"))),
                               QStringLiteral("%1 was not found.").arg(QDir::toNativeSeparators(file("horoskop.xml")))};
    EXPECT_EQ(ui.diagnostics, expected) << qPrintable(ui.diagnostics.join(u'\n'));
}

TEST_F(DocumentOnDamagedFilesTest, SoundFilesGiveNoReport)
{
    ASSERT_TRUE(HoroscopeFile::save(file("horoskop.xml"), {named("A")}).ok());
    EXPECT_TRUE(start()->startupReport().isEmpty());
}

// The start-up prints nothing itself: the diagnostics of both reads reach the sink, in
// reading order, for the program to write to standard error.
TEST_F(DocumentOnDamagedFilesTest, DiagnosticsGoToTheSinkInReadingOrder)
{
    ASSERT_TRUE(HoroscopeFile::save(file("horoskop.xml"), {named("A")}).ok());
    writeBytes(file("orvel.xml"), "<Orvel_Config>\n<Planet_Wert Index=\"3\">-100</Planet_Wert>\n<Asp_");
    start();
    EXPECT_EQ(printed, "");
    ASSERT_EQ(ui.diagnostics.size(), 4) << qPrintable(ui.diagnostics.join(u'\n'));
    EXPECT_FALSE(ui.diagnostics[0].isEmpty()); // the parser's reason
    EXPECT_TRUE(ui.diagnostics[1].startsWith(QStringLiteral("Error on line 3, position "))) << qPrintable(ui.diagnostics[1]);
    EXPECT_TRUE(ui.diagnostics[1].endsWith(QStringLiteral(" in \"%1\".").arg(file("orvel.xml")))) << qPrintable(ui.diagnostics[1]);
    EXPECT_EQ(ui.diagnostics[2], QStringLiteral("orvel.xml: Planet_Wert Index=3 holds -100, outside -99 to 99; the default 5 is used."));
    EXPECT_EQ(ui.diagnostics[3], QStringLiteral("XML document loaded successfully"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

// The first save keeps the damaged file beside itself, and later saves keep nothing more.
TEST_F(DocumentOnDamagedFilesTest, ReadableRecordsAreKeptAndTheFileCopiedBeforeTheFirstSave)
{
    const QString text = threeRecords(dir.path());
    const QByteArray damaged = utf16File(text.left(text.indexOf(QStringLiteral("<Horoskop ID=\"2\""))));
    writeBytes(file("horoskop.xml"), damaged);
    writeBytes(file("horoskop.xml.damaged"), "an older copy");
    writeBytes(file("orvel.xml"), "<Orvel_Config><Asp_Grad Index=\"3\">150</Asp_Grad><Asp_");

    std::unique_ptr<COrvelWinDoc> document = start();
    EXPECT_EQ(document->horoscopes(), (std::vector{named("A"), named("B")}));
    EXPECT_EQ(document->settings().aspectAngles[3], 150);
    const QString report = document->startupReport();
    EXPECT_TRUE(report.contains(QStringLiteral(" 2 horoscopes could be read."))) << qPrintable(report);
    EXPECT_TRUE(report.contains(QStringLiteral(" 1 settings could be read."))) << qPrintable(report);
    EXPECT_TRUE(report.contains(QStringLiteral("kept as %1.").arg(QDir::toNativeSeparators(file("horoskop.xml.damaged-2")))))
        << qPrintable(report);
    EXPECT_TRUE(report.contains(QStringLiteral("kept as %1.").arg(QDir::toNativeSeparators(file("orvel.xml.damaged")))))
        << qPrintable(report);

    ASSERT_TRUE(document->saveHoroscopes());
    ASSERT_TRUE(document->saveHoroscopes());
    ASSERT_TRUE(document->saveSettings());
    EXPECT_EQ(readBytes(file("horoskop.xml.damaged")), QByteArray("an older copy"));
    EXPECT_EQ(readBytes(file("horoskop.xml.damaged-2")), damaged);
    EXPECT_FALSE(QFile::exists(file("horoskop.xml.damaged-3")));
    EXPECT_TRUE(QFile::exists(file("orvel.xml.damaged")));
    EXPECT_TRUE(ui.messages.isEmpty()) << qPrintable(ui.messages.join(u'\n'));
    EXPECT_TRUE(start()->startupReport().isEmpty());
}

TEST_F(DocumentOnDamagedFilesTest, NoSaveReplacesADamagedFileThatCannotBeKept)
{
    const QByteArray damaged("<Orvel_Horoskop><Horoskop><Name>A</Na");
    writeBytes(file("horoskop.xml"), damaged);
    std::unique_ptr<COrvelWinDoc> document = start();
    EXPECT_EQ(document->horoscopes().size(), 2u); // the defaults
    writer.failing = true;
    const bool saved = document->saveHoroscopes();
    EXPECT_FALSE(saved);
    EXPECT_EQ(readBytes(file("horoskop.xml")), damaged);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].contains(QStringLiteral("was not replaced"))) << qPrintable(ui.messages[0]);
}

} // namespace
