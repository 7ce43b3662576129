#include "storage/HoroscopeFile.h"

#include "support/FailingFileWriter.h"

#include "StorageTestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvel;
using namespace storagetest;

namespace {

const DateTime Now(2026, 12, 8, 14, 0, 0);

HoroscopeRecord record(const char *name, const DateTime &birth, double deltaGmt)
{
    HoroscopeRecord r = HoroscopeRecord::createDefault(Now);
    r.name = QString::fromUtf8(name);
    r.birth = birth;
    r.deltaGmt = deltaGmt;
    return r;
}

class HoroscopeFileTest : public testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("horoskop.xml")); }

    // Saves `records`, failing the test when that fails.
    void save(const std::vector<HoroscopeRecord> &records)
    {
        const Result<> saved = HoroscopeFile::save(path(), records);
        ASSERT_TRUE(saved.ok());
        EXPECT_TRUE(saved.message().isEmpty());
    }

    // The records of the file at path(), or of `xml` written there first (UTF-8).
    std::vector<HoroscopeRecord> load(const QByteArray &xml = {})
    {
        if (!xml.isEmpty())
            writeBytes(path(), xml);
        testing::internal::CaptureStderr();
        Result<std::vector<HoroscopeRecord>> records = HoroscopeFile::load(path(), Now);
        testing::internal::GetCapturedStderr();
        EXPECT_TRUE(records.ok());
        return std::move(records).value();
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(HoroscopeFileTest, RoundTripsEveryField)
{
    HoroscopeRecord full = record("Zoë \U0001F31E <&> \"q\"", DateTime(1970, 12, 7, 14, 5, 0), -5.75);
    full.city = QStringLiteral("São Paulo");
    full.country = QStringLiteral("Brazil");
    full.latitude = QStringLiteral("23°32'51\" S");
    full.longitude = QStringLiteral("46°38'10\" W");
    const std::vector<HoroscopeRecord> records = {full, record("", DateTime(1000, 1, 1, 0, 0, 0), 0.0),
                                                  record("Last", DateTime(9999, 12, 31, 23, 59, 59), 13.25)};
    save(records);
    EXPECT_EQ(load(), records);
}

TEST_F(HoroscopeFileTest, WritesTheExactBytes)
{
    HoroscopeRecord first = record("Ada", DateTime(1970, 12, 7, 14, 5, 0), 5.75);
    first.city = QStringLiteral("London");
    save({first, record("B", DateTime(2000, 1, 2, 3, 4, 5), -1.0), record("C", Now, 0.0)});
    EXPECT_EQ(utf16Text(readBytes(path())),
              QStringLiteral("<Orvel_Horoskop>"
                             "<Horoskop ID=\"0\"><Name>Ada</Name><Date>07.12.1970 14:05:00</Date><City>London</City>"
                             "<Country/><Latitude/><Longitude/><Delta_GMT>5.7500</Delta_GMT></Horoskop>"
                             "<Horoskop ID=\"1\"><Name>B</Name><Date>02.01.2000 03:04:05</Date><City/>"
                             "<Country/><Latitude/><Longitude/><Delta_GMT>-1.0000</Delta_GMT></Horoskop>"
                             "<Horoskop ID=\"2\"><Name>C</Name><Date>08.12.2026 14:00:00</Date><City/>"
                             "<Country/><Latitude/><Longitude/><Delta_GMT>0.0000</Delta_GMT></Horoskop>"
                             "</Orvel_Horoskop>"));
    EXPECT_TRUE(readBytes(path()).startsWith(QByteArray("\xFF\xFE<\0O\0", 6)));
}

TEST_F(HoroscopeFileTest, EmptyListWritesAnEmptyRootAndLoadsAsEmpty)
{
    save({});
    EXPECT_EQ(utf16Text(readBytes(path())), QStringLiteral("<Orvel_Horoskop/>"));
    EXPECT_TRUE(load().empty());
}

// The fixture nests records in wrappers, has IDs out of order, an impossible date,
// a comma in Delta_GMT, children in another order and an unknown child.
TEST_F(HoroscopeFileTest, ReadsRecordsAtAnyDepthInDocumentOrder)
{
    testing::internal::CaptureStderr();
    const Result<std::vector<HoroscopeRecord>> loaded = HoroscopeFile::load(dataFile("horoskop_wrapped_utf16.xml"), Now);
    testing::internal::GetCapturedStderr();
    ASSERT_TRUE(loaded.ok());
    const std::vector<HoroscopeRecord> &records = loaded.value();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, QStringLiteral("Zoë Łukasiewicz"));
    EXPECT_EQ(records[0].birth, DateTime(2000, 2, 29, 23, 59, 59));
    EXPECT_EQ(records[0].city, QStringLiteral("Kraków"));
    EXPECT_EQ(records[0].latitude, QStringLiteral("50°03'41\" N"));
    EXPECT_EQ(records[0].deltaGmt, 1.0);
    EXPECT_EQ(records[1].name, QStringLiteral("Nested"));
    EXPECT_EQ(records[1].birth, DateTime(100, 1, 1));
    EXPECT_EQ(records[1].deltaGmt, -5.0);
    EXPECT_EQ(records[2].name, QStringLiteral("Later"));
    EXPECT_EQ(records[2].deltaGmt, -3.5);
}

TEST_F(HoroscopeFileTest, RecordWithoutChildrenHasTheDefaultsDatedNow)
{
    const auto records = load("<Orvel_Horoskop><Horoskop ID=\"0\"/></Orvel_Horoskop>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], HoroscopeRecord::createDefault(Now));
}

TEST_F(HoroscopeFileTest, LaterChildOverwritesAndInnerRecordsAreNotTaken)
{
    const auto records = load("<R><Horoskop><Name>first</Name><Name>second</Name>"
                              "<Horoskop><Name>inner</Name></Horoskop></Horoskop></R>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, QStringLiteral("second"));
}

TEST_F(HoroscopeFileTest, YearBelowOneThousandIsWrittenWithFourDigitsAndSurvivesReload)
{
    // A three-digit year would make the date too short to read back, losing the record.
    save({record("old", DateTime(999, 5, 6, 7, 8, 9), 0.0), record("oldest", DateTime(100, 1, 1, 0, 0, 0), 0.0)});
    EXPECT_TRUE(utf16Text(readBytes(path())).contains(QStringLiteral("<Date>06.05.0999 07:08:09</Date>")));
    const auto records = load();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].birth, DateTime(999, 5, 6, 7, 8, 9));
    EXPECT_EQ(records[1].birth, DateTime(100, 1, 1, 0, 0, 0));
}

struct DateCase {
    const char *name;
    const char *text;
    DateTime expected; // invalid: the element is dropped
};
void PrintTo(const DateCase &c, std::ostream *os) { *os << c.text; }

class HoroscopeDateTest : public HoroscopeFileTest, public testing::WithParamInterface<DateCase> {};

TEST_P(HoroscopeDateTest, ReadsOrDropsTheRecord)
{
    const auto records = load("<Orvel_Horoskop><Horoskop><Date>" + QByteArray(GetParam().text)
                              + "</Date></Horoskop><Horoskop><Name>next</Name></Horoskop></Orvel_Horoskop>");
    const bool kept = GetParam().expected.isValid();
    ASSERT_EQ(records.size(), kept ? 2u : 1u) << "a dropped element must not stop the others";
    if (kept) {
        EXPECT_EQ(records[0].birth, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, HoroscopeDateTest,
    testing::Values(DateCase{"Ordinary", "07.12.1970 14:05:00", DateTime(1970, 12, 7, 14, 5, 0)},
                    DateCase{"SeparatorsNotChecked", "07/12/1970-14h05m00", DateTime(1970, 12, 7, 14, 5, 0)},
                    DateCase{"LongerTextReadByPosition", "07.12.1970 14:05:00 CET", DateTime(1970, 12, 7, 14, 5, 0)},
                    DateCase{"LeapDay", "29.02.2024 00:00:00", DateTime(2024, 2, 29)},
                    DateCase{"February31", "31.02.2000 10:00:00", DateTime()},
                    DateCase{"Hour24", "01.01.2000 24:00:00", DateTime()},
                    DateCase{"ShortText", "07.12.1970 14:05", DateTime()},
                    DateCase{"ThreeDigitYear", "06.05.999 07:08:09", DateTime()},
                    DateCase{"Empty", "", DateTime()},
                    DateCase{"Letters", "dd.mm.yyyy hh:mm:ss", DateTime()}),
    [](const auto &info) { return std::string(info.param.name); });

struct DeltaCase {
    const char *name;
    const char *text;
    double hours;
};
void PrintTo(const DeltaCase &c, std::ostream *os) { *os << c.text; }

class HoroscopeDeltaTest : public HoroscopeFileTest, public testing::WithParamInterface<DeltaCase> {};

TEST_P(HoroscopeDeltaTest, ReadsLikeStrtodWithAFullStop)
{
    const auto records = load("<R><Horoskop><Delta_GMT>" + QByteArray(GetParam().text) + "</Delta_GMT></Horoskop></R>");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].deltaGmt, GetParam().hours);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HoroscopeDeltaTest,
    testing::Values(DeltaCase{"Written", "5.7500", 5.75}, DeltaCase{"CommaEndsTheNumber", "5,75", 5.0},
                    DeltaCase{"Negative", "-3.5", -3.5}, DeltaCase{"LeadingBlanksAndPlus", " \t+2", 2.0},
                    DeltaCase{"TrailingText", "1.5h", 1.5}, DeltaCase{"LeadingPoint", ".5", 0.5},
                    DeltaCase{"Exponent", "1e1", 10.0}, DeltaCase{"NotANumber", "abc", 0.0},
                    DeltaCase{"Empty", "", 0.0}, DeltaCase{"DoubleSign", "--1", 0.0},
                    DeltaCase{"NaNText", "nan", 0.0}, DeltaCase{"Infinity", "inf", 0.0},
                    DeltaCase{"OutOfRange", "1e999", 0.0}),
    [](const auto &info) { return std::string(info.param.name); });

// A file that does not parse gives no records, not those before the damage, and says
// where it is damaged.
TEST_F(HoroscopeFileTest, FailedLoadGivesNoRecords)
{
    for (const QByteArray &bad : {QByteArray(), QByteArray("<Orvel_Horoskop><Horoskop><Name>A</Name></Horoskop><Horoskop>"),
                                  QByteArray("\x00\xFF\x13", 3)}) {
        writeBytes(path(), bad);
        testing::internal::CaptureStderr();
        const Result<std::vector<HoroscopeRecord>> records = HoroscopeFile::load(path(), Now);
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(records.status(), ResultStatus::Damaged) << bad.toStdString();
        EXPECT_TRUE(records->empty()) << bad.toStdString();
        EXPECT_TRUE(records.message().contains(QStringLiteral("horoskop.xml is damaged at character")))
            << qPrintable(records.message());
    }
    testing::internal::CaptureStderr();
    const Result<std::vector<HoroscopeRecord>> missing = HoroscopeFile::load(m_dir.filePath(QStringLiteral("missing.xml")), Now);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(missing.status(), ResultStatus::Missing);
    EXPECT_TRUE(missing->empty());
    EXPECT_TRUE(missing.message().contains(QStringLiteral("missing.xml"))) << qPrintable(missing.message());
}

TEST_F(HoroscopeFileTest, FailedSaveKeepsTheOldFileAndNamesIt)
{
    save({record("old", Now, 0.0)});
    const QByteArray old = readBytes(path());
    const Result<> saved = HoroscopeFile::save(path(), {record("new", Now, 1.0)}, FailingFileWriter());
    EXPECT_EQ(saved.status(), ResultStatus::Failed);
    EXPECT_EQ(readBytes(path()), old);
    EXPECT_TRUE(saved.message().contains(QStringLiteral("horoskop.xml"))) << saved.message().toStdString();
}

TEST_F(HoroscopeFileTest, SaveUnderARegularFileFailsWithAMessage)
{
    writeBytes(m_dir.filePath(QStringLiteral("plain")), "x");
    const Result<> saved = HoroscopeFile::save(m_dir.filePath(QStringLiteral("plain/horoskop.xml")), {});
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.message().contains(QStringLiteral("horoskop.xml"))) << saved.message().toStdString();
}

TEST_F(HoroscopeFileTest, ElementsIncludeThoseTheLoaderDropsWithTheReason)
{
    writeBytes(path(), "<Orvel_Horoskop><Horoskop><Name>A</Name><Date>01.02.1990 10:00:00</Date></Horoskop>"
                       "<Horoskop><Name>B</Name><Date>31.02.2000 10:00:00</Date><Date>01.01.2000 10:00:00</Date></Horoskop>"
                       "<Horoskop><Date>1.1.2000</Date></Horoskop><Horoskop/></Orvel_Horoskop>");
    testing::internal::CaptureStderr();
    const Result<std::vector<HoroscopeFile::Element>> loaded = HoroscopeFile::loadElements(path(), Now);
    testing::internal::GetCapturedStderr();
    ASSERT_TRUE(loaded.ok());
    const std::vector<HoroscopeFile::Element> &elements = loaded.value();
    ASSERT_EQ(elements.size(), 4u);
    EXPECT_EQ(elements[0].name, QStringLiteral("A"));
    EXPECT_TRUE(elements[0].record && elements[0].error.isEmpty());
    // The first bad Date drops the element, as the loader does, even with a good one after it.
    EXPECT_EQ(elements[1].name, QStringLiteral("B"));
    EXPECT_FALSE(elements[1].record);
    EXPECT_TRUE(elements[1].error.contains(QStringLiteral("31.02.2000")));
    EXPECT_EQ(elements[2].name, QStringLiteral("(New Horoscope)"));
    EXPECT_FALSE(elements[2].record);
    EXPECT_EQ(elements[3].record->birth, Now);
    EXPECT_EQ(load().size(), 2u);
}
