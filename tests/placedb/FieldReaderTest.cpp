#include "placedb/FieldReader.h"
#include "placedb/SortKey.h"
#include "platform/Windows1252.h"
#include "placedb/ZoneFile.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace orvel;

namespace {

// Every field of `data` from position 0, read on the bytes and on the Latin-1 text;
// both readers must agree field by field and position by position.
std::vector<QString> readAll(const QByteArray &data)
{
    const QString text = QString::fromLatin1(data);
    std::vector<QString> fields;
    qsizetype bytePosition = 0;
    qsizetype textPosition = 0;
    while (bytePosition < data.size()) {
        fields.push_back(FieldReader::ReadField(data.constData(), data.size(), bytePosition));
        EXPECT_EQ(FieldReader::ReadField(text.constData(), text.size(), textPosition), fields.back());
        EXPECT_EQ(bytePosition, textPosition);
    }
    return fields;
}

struct FieldCase {
    const char *name;
    QByteArray data;
    std::vector<QString> fields;
};

class ReadFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ReadFieldTest, SplitsLikeTheFiles)
{
    EXPECT_EQ(readAll(GetParam().data), GetParam().fields);
}

std::vector<QString> list(std::initializer_list<const char *> texts)
{
    std::vector<QString> result;
    for (const char *t : texts)
        result.push_back(QString::fromLatin1(t));
    return result;
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ReadFieldTest,
    ::testing::Values(
        FieldCase{"TabsSeparate", "a\tbc\td", list({"a", "bc", "d"})},
        FieldCase{"AnyRunOfLineEndsEndsALine", "a\r\nb\n\n\r\rc\rd", list({"a", "b", "c", "d"})},
        FieldCase{"OnlyOneTabIsSkipped", "a\t\tb", list({"a", "", "b"})},
        FieldCase{"TrailingTabGivesAnEmptyField", "a\tb\t\r\nc", list({"a", "b", "", "c"})},
        FieldCase{"QuotedKeepsTabsAndLineBreaks", "\"a\tb\r\nc\"\td", list({"a\tb\r\nc", "d"})},
        FieldCase{"EscapedQuoteStaysInside", "\"say \\\"hi\\\" now\"\tx", list({"say \"hi\" now", "x"})},
        FieldCase{"BackslashElsewhereStays", "\"a\\b\"\tc\\d", list({"a\\b", "c\\d"})},
        FieldCase{"UnterminatedQuoteRunsToTheEnd", "\"open\tfield\r\n", list({"open\tfield\r\n"})},
        FieldCase{"EmptyQuoted", "\"\"\tb", list({"", "b"})},
        FieldCase{"TextAfterTheClosingQuoteIsTheNextField", "\"a\"b\tc", list({"a", "b", "c"})},
        FieldCase{"QuoteInsideAnUnquotedFieldIsText", "a\"b\tc", list({"a\"b", "c"})},
        FieldCase{"LoneQuoteAtTheEnd", "a\t\"", list({"a", ""})},
        FieldCase{"HighBytesAreLatin1", "\xFC\xD6\t\xA9", {QStringLiteral("üÖ"), QStringLiteral("©")}},
        FieldCase{"LeadingLineEndIsAnEmptyField", "\r\na", list({"", "a"})}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ReadField, NeverReadsOutsideTheData)
{
    const QByteArray data("ab\tcd");
    for (qsizetype start : {qsizetype(-5), qsizetype(-1), data.size(), data.size() + 100,
                            std::numeric_limits<qsizetype>::max()}) {
        qsizetype position = start;
        EXPECT_TRUE(FieldReader::ReadField(data.constData(), data.size(), position).isEmpty());
        EXPECT_EQ(position, data.size()) << start;
    }
    // A length shorter than the buffer is the end: the quote is not found beyond it.
    qsizetype position = 0;
    EXPECT_EQ(FieldReader::ReadField("\"abc\"", 3, position), QStringLiteral("ab"));
    EXPECT_EQ(position, 3);
}

TEST(UnmaskBuffer, XorsEveryByteWithA9AndIsItsOwnInverse)
{
    QByteArray data("\x00\xA9\xFF" "A", 4);
    FieldReader::UnmaskBuffer(data.data(), data.size());
    EXPECT_EQ(data, QByteArray("\xA9\x00\x56\xE8", 4));
    FieldReader::UnmaskBuffer(data.data(), data.size());
    EXPECT_EQ(data, QByteArray("\x00\xA9\xFF" "A", 4));
}

TEST(Windows1252, MapsTheHighControlRangeAndKeepsLatin1)
{
    // Reference: the code page's published table (unicode.org, CP1252.TXT).
    const QByteArray bytes("\x80\x8A\x8D\x9F\xA0\xD6\xFF" "A", 8);
    EXPECT_EQ(Windows1252::toText(bytes.constData(), bytes.size()),
              QString::fromUtf16(u"\u20AC\u0160\u008D\u0178\u00A0\u00D6\u00FFA"));
    EXPECT_TRUE(Windows1252::toText(nullptr, 0).isEmpty());
}

TEST(Windows1252, WritesBackEveryCharacterItHasAndOnlyThose)
{
    // Every character of the basic plane: the code page has it exactly when its byte
    // reads back as that character; all others become '?' and are counted.
    for (int code = 1; code < 0x10000; ++code) {
        const QChar c{char16_t(code)};
        if (c.isSurrogate())
            continue;
        qsizetype missing = 0;
        const QByteArray byte = Windows1252::fromText(QString(c), &missing);
        ASSERT_EQ(byte.size(), 1) << code;
        const bool readsBack = Windows1252::toText(byte.constData(), 1) == QString(c);
        EXPECT_EQ(Windows1252::hasCharacter(c), readsBack) << code;
        EXPECT_EQ(missing, readsBack ? 0 : 1) << code;
    }
    // A character beyond the basic plane is one '?', not two.
    qsizetype missing = 0;
    EXPECT_EQ(Windows1252::fromText(QString::fromUtf16(u"a😀b"), &missing), QByteArray("a?b"));
    EXPECT_EQ(missing, 1);
}

struct SortKeyCase {
    const char *name;
    const char16_t *input;
    const char16_t *key;
};

class MakeSortKeyTest : public ::testing::TestWithParam<SortKeyCase> {};

TEST_P(MakeSortKeyTest, Builds)
{
    EXPECT_EQ(MakeSortKey(QString::fromUtf16(GetParam().input)), QString::fromUtf16(GetParam().key));
}

INSTANTIATE_TEST_SUITE_P(
    Names, MakeSortKeyTest,
    ::testing::Values(SortKeyCase{"Umlauts", u"München Öhringen ärger Ü", u"MUNCHEN OHRINGEN ARGER U"},
                      SortKeyCase{"NordicLetters", u"Åland Ærø Þingvellir", u"ALAND AERO THINGVELLIR"},
                      SortKeyCase{"AcutesAndGraves", u"Ávila Úbeda Île-Tudy élan ìò", u"AVILA UBEDA ILE-TUDY ELAN IO"},
                      SortKeyCase{"CaronsAndCedillas", u"Šumperk Žilina Çorum šž ç", u"SUMPERK ZILINA CORUM SZ C"},
                      SortKeyCase{"TildesAndStrokes", u"Ñuñoa Ølstykke Ðakovo ð ñ", u"NUNOA OLSTYKKE DAKOVO D N"},
                      SortKeyCase{"Ligatures", u"Œuilly œ æ", u"OEUILLY OE AE"},
                      SortKeyCase{"YWithDiaeresisAndAcute", u"Ÿ ÿ Ý ý", u"Y Y Y Y"},
                      SortKeyCase{"SharpSBecomesSS", u"Große", u"GROSSE"},
                      SortKeyCase{"MultiplicationSignKept", u"×", u"×"},
                      SortKeyCase{"ApostrophesDropped", u"'s-Hertogenbosch", u"S-HERTOGENBOSCH"},
                      SortKeyCase{"Empty", u"", u""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DecimalFraction, ReadsLikeStrtodInTheCLocale)
{
    EXPECT_EQ(ZoneFile::decimalFraction("1.0"), 1.0);
    EXPECT_EQ(ZoneFile::decimalFraction("  -5.5h"), -5.5);
    EXPECT_EQ(ZoneFile::decimalFraction("+0.25"), 0.25);
    EXPECT_EQ(ZoneFile::decimalFraction("2,5"), 2.0); // a comma ends the number
    EXPECT_EQ(ZoneFile::decimalFraction("x"), 0.0);
    EXPECT_EQ(ZoneFile::decimalFraction(""), 0.0);
    EXPECT_EQ(ZoneFile::decimalFraction("nan"), 0.0);
    EXPECT_EQ(ZoneFile::decimalFraction("1e999"), std::numeric_limits<double>::max());
    EXPECT_EQ(ZoneFile::decimalFraction("-1e999"), std::numeric_limits<double>::lowest());
}

} // namespace
