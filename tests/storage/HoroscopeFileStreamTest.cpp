#include "storage/HoroscopeFileStream.h"

#include "storage/XmlDocument.h"

#include "StorageTestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvel;
using namespace storagetest;

namespace {

const DateTime Now(2026, 12, 8, 14, 0, 0);

struct StreamCase {
    const char *name;
    QByteArray file;
};

// Files the loader reads whole: the stream must give the very same elements.
const StreamCase WholeFiles[] = {
    {"nested_in_wrappers", "<Orvel_Horoskop><Gruppe><Horoskop><Name>A</Name><Date>01.02.1970 03:04:05</Date></Horoskop>"
                           "</Gruppe><Horoskop><Name>B</Name></Horoskop></Orvel_Horoskop>"},
    {"later_child_overrides", "<Orvel_Horoskop><Horoskop><Name>A</Name><Name>Z</Name><Delta_GMT>1.5</Delta_GMT>"
                              "<Delta_GMT>5,75</Delta_GMT></Horoskop></Orvel_Horoskop>"},
    {"text_below_children", "<Orvel_Horoskop><Horoskop>lose<City> <b>Ber</b><![CDATA[ lin ]]> &amp; </City>"
                            "<Horoskop><Name>inner</Name></Horoskop></Horoskop></Orvel_Horoskop>"},
    {"dropped_dates", "<Orvel_Horoskop><Horoskop><Name>Kurz</Name><Date>1.1.2000</Date></Horoskop>"
                      "<Horoskop><Name>Falsch</Name><Date>31.02.2000 10:00:00</Date><Date>01.01.2000 10:00:00</Date>"
                      "</Horoskop></Orvel_Horoskop>"},
    {"utf16_with_mark", utf16File(QStringLiteral("<Orvel_Horoskop><Horoskop><Name>J\u00F6rg</Name></Horoskop></Orvel_Horoskop>"))},
    {"no_records", "<Orvel_Horoskop/>"},
};

class HoroscopeFileStreamTest : public testing::TestWithParam<StreamCase> {
protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("horoskop.xml"));
        writeBytes(path, bytes);
        return path;
    }

    static std::vector<HoroscopeFile::Element> streamed(HoroscopeFileStream &stream)
    {
        std::vector<HoroscopeFile::Element> elements;
        HoroscopeFile::Element e;
        while (stream.next(e))
            elements.push_back(e);
        return elements;
    }

    static void expectSame(const std::vector<HoroscopeFile::Element> &a, const std::vector<HoroscopeFile::Element> &b)
    {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].name, b[i].name) << i;
            EXPECT_EQ(a[i].error, b[i].error) << i;
            ASSERT_EQ(a[i].record.has_value(), b[i].record.has_value()) << i;
            if (a[i].record) {
                EXPECT_EQ(*a[i].record, *b[i].record) << i;
            }
        }
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST_P(HoroscopeFileStreamTest, GivesTheElementsTheLoaderReads)
{
    const QString path = write(GetParam().file);
    const Result<std::vector<HoroscopeFile::Element>> loaded = HoroscopeFile::loadElements(path, Now);
    ASSERT_TRUE(loaded.ok());
    HoroscopeFileStream stream(Now);
    ASSERT_TRUE(stream.open(path));
    expectSame(streamed(stream), loaded.value());
    EXPECT_TRUE(stream.error().isEmpty()) << stream.error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, HoroscopeFileStreamTest, testing::ValuesIn(WholeFiles),
                         [](const testing::TestParamInfo<StreamCase> &info) { return std::string(info.param.name); });

TEST_F(HoroscopeFileStreamTest, ADamagedFileGivesTheCompleteElementsBeforeTheDamageThenWhereItIs)
{
    const QByteArray whole = "<Orvel_Horoskop><Horoskop><Name>A</Name></Horoskop>\n<Horoskop><Name>B</Name></Horoskop>";
    const QString cutPath = write(whole + "\n<Horoskop><Name>C</Na");
    HoroscopeFileStream cut(Now);
    ASSERT_TRUE(cut.open(cutPath));
    const std::vector<HoroscopeFile::Element> elements = streamed(cut);
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[1].name, QStringLiteral("B"));
    // The loader names the same place and keeps the same elements.
    const Result<HoroscopeFile::Reading> loaded = HoroscopeFile::read(cutPath, Now);
    EXPECT_EQ(loaded.status(), ResultStatus::Damaged);
    EXPECT_EQ(cut.brokenAt(), loaded->damage.brokenAt);
    EXPECT_EQ(cut.error(), loaded->damage.reason);
    expectSame(elements, loaded->elements);

    HoroscopeFileStream broken(Now);
    ASSERT_TRUE(broken.open(write(whole + "<Horoskop><Name>C</Nom></Horoskop></Orvel_Horoskop>")));
    EXPECT_EQ(streamed(broken).size(), 2u);
    EXPECT_FALSE(broken.error().isEmpty());

    HoroscopeFileStream missing(Now);
    EXPECT_FALSE(missing.open(write({}) + QStringLiteral(".missing")));
    EXPECT_FALSE(missing.error().isEmpty());
}

TEST_F(HoroscopeFileStreamTest, NestingBeyondTheLoadersLimitIsDamage)
{
    const int depth = XmlDocument::MaxDepth + 1;
    HoroscopeFileStream stream(Now);
    ASSERT_TRUE(stream.open(write("<Orvel_Horoskop><Horoskop><Name>A</Name></Horoskop>" + QByteArray("<a>").repeated(depth)
                                  + QByteArray("</a>").repeated(depth) + "</Orvel_Horoskop>")));
    EXPECT_EQ(streamed(stream).size(), 1u);
    EXPECT_TRUE(stream.error().contains(QStringLiteral("nested"))) << stream.error().toStdString();
}
