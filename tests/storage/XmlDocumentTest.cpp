#include "storage/XmlDocument.h"

#include "StorageTestFiles.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvel;
using namespace storagetest;

namespace {

// Loads `bytes` from a file and returns whether that worked; the diagnostics the read
// gives for standard error go to `log`, one line each. Nothing is printed.
bool loadBytes(const QByteArray &bytes, XmlDocument &document, std::string *log = nullptr)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.xml"));
    writeBytes(path, bytes);
    testing::internal::CaptureStderr();
    const bool ok = document.load(path).ok();
    const Result<FileDamage> reading = XmlDocument().read(path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the reader never prints";
    if (log)
        *log = (reading.diagnostics().join(u'\n') + u'\n').toStdString();
    return ok;
}

QStringList elementNames(const XmlDocument &document)
{
    QStringList names;
    document.walk([&names](const QDomElement &e) {
        names.append(e.tagName());
        return true;
    });
    return names;
}

} // namespace

TEST(XmlDocumentLoad, ReadsUtf16WithByteOrderMarkAndSaysSoOnStderr)
{
    XmlDocument document;
    std::string log;
    ASSERT_TRUE(loadBytes(utf16File(QStringLiteral("<R><Name>Jörg \u263C</Name></R>")), document, &log));
    EXPECT_EQ(log, "XML document loaded successfully\n");
    QString name;
    document.walk([&name](const QDomElement &e) {
        if (e.tagName() == u"Name")
            name = XmlDocument::text(e);
        return true;
    });
    EXPECT_EQ(name, QStringLiteral("Jörg \u263C"));
}

TEST(XmlDocumentLoad, ReadsUtf8WithDeclaration)
{
    XmlDocument document;
    ASSERT_TRUE(loadBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<R><A/></R>", document));
    EXPECT_EQ(elementNames(document), QStringList({"R", "A"}));
}

TEST(XmlDocumentLoad, MissingFileFailsNamingTheFileOnStderr)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("absent.xml"));
    XmlDocument document;
    const Result<FileDamage> reading = document.read(path);
    EXPECT_EQ(reading.status(), ResultStatus::Missing);
    EXPECT_TRUE(reading.message().contains(QStringLiteral("absent.xml"))) << qPrintable(reading.message());
    const std::string log = reading.diagnostics().join(u'\n').toStdString();
    EXPECT_NE(log.find("absent.xml"), std::string::npos) << log;
    EXPECT_EQ(log.find("successfully"), std::string::npos) << log;
}

TEST(XmlDocumentLoad, ParseErrorGivesReasonLineAndPosition)
{
    XmlDocument document;
    std::string log;
    EXPECT_FALSE(loadBytes("<R>\n  <A></B>\n</R>", document, &log));
    EXPECT_NE(log.find("Error on line 2, position "), std::string::npos) << log;
    EXPECT_NE(log.find("in.xml\".\n"), std::string::npos) << log;
    EXPECT_LT(log.find('\n'), log.find("Error on line")) << "the reason comes first, on its own line";
}

TEST(XmlDocumentLoad, FailureKeepsThePreviousDocument)
{
    XmlDocument document;
    ASSERT_TRUE(loadBytes("<R><A/></R>", document));
    EXPECT_FALSE(loadBytes("<R><A>", document));
    EXPECT_EQ(elementNames(document), QStringList({"R", "A"}));
}

struct BadInput {
    const char *name;
    QByteArray (*bytes)();
};
void PrintTo(const BadInput &c, std::ostream *os) { *os << c.name; }

class XmlDocumentBadInput : public testing::TestWithParam<BadInput> {};

// None of these may crash or hang; all of them are refused.
TEST_P(XmlDocumentBadInput, IsRefused)
{
    XmlDocument document;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(loadBytes(GetParam().bytes(), document));
    EXPECT_LT(timer.elapsed(), 10000);
}

QByteArray nested(int depth)
{
    return QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

INSTANTIATE_TEST_SUITE_P(
    Files, XmlDocumentBadInput,
    testing::Values(
        BadInput{"Empty", [] { return QByteArray(); }},
        BadInput{"OnlyByteOrderMark", [] { return QByteArray("\xFF\xFE", 2); }},
        BadInput{"Truncated", [] { return utf16File(QStringLiteral("<Orvel_Horoskop><Horoskop ID=\"0\"><Na")); }},
        BadInput{"OddUtf16ByteCount", [] { return utf16File(QStringLiteral("<R/>")).append('\0').chopped(3); }},
        BadInput{"BinaryGarbage",
                 [] {
                     QByteArray bytes;
                     for (int i = 0; i < 65536; ++i)
                         bytes.append(static_cast<char>((i * 7919 + 13) % 256));
                     return bytes;
                 }},
        BadInput{"TwoRoots", [] { return QByteArray("<A/><B/>"); }},
        BadInput{"DuplicateAttribute", [] { return QByteArray("<R Index=\"1\" Index=\"2\"/>"); }},
        BadInput{"NestedOneLevelTooDeep", [] { return nested(XmlDocument::MaxDepth + 1); }},
        BadInput{"NestedAMillionDeep", [] { return nested(1000000); }},
        BadInput{"UnclosedAMillionDeep", [] { return QByteArray("<a>").repeated(1000000); }},
        BadInput{"EntityExpansionBomb",
                 [] {
                     QByteArray dtd = "<!DOCTYPE R [<!ENTITY e0 \"xxxxxxxxxx\">";
                     for (int i = 1; i < 10; ++i)
                         dtd += QByteArray("<!ENTITY e") + QByteArray::number(i) + " \""
                             + QByteArray("&e" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
                     return dtd + "]><R>&e9;</R>";
                 }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(XmlDocumentLoad, NestingUpToTheLimitLoads)
{
    XmlDocument document;
    ASSERT_TRUE(loadBytes(nested(XmlDocument::MaxDepth), document));
    EXPECT_EQ(elementNames(document).size(), XmlDocument::MaxDepth);
}

TEST(XmlDocumentLoad, FileOverTheSizeLimitIsRefusedUnread)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.xml"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<R>");
    ASSERT_TRUE(file.resize(XmlDocument::MaxFileSize + 1)); // sparse: costs no disk
    file.close();
    XmlDocument document;
    EXPECT_FALSE(document.load(path));
    const Result<FileDamage> reading = document.read(path);
    EXPECT_EQ(reading.status(), ResultStatus::Damaged);
    EXPECT_EQ(reading->brokenAt, 0);
    EXPECT_TRUE(reading.message().contains(QStringLiteral("larger than"))) << qPrintable(reading.message());
    EXPECT_TRUE(reading.diagnostics().join(u'\n').contains(QStringLiteral("larger than"))) << qPrintable(reading.diagnostics().join(u'\n'));
}

TEST(XmlDocumentSave, WritesByteOrderMarkAndUtf16LeWithoutDeclaration)
{
    XmlDocument document;
    QDomElement root = document.createRoot(QStringLiteral("R"));
    QDomElement a = document.appendTextElement(root, QStringLiteral("A"), QStringLiteral("x < y & \u00e4\U0001F31E"));
    XmlDocument::setIntAttribute(a, QStringLiteral("Index2"), 4);
    XmlDocument::setIntAttribute(a, QStringLiteral("Index1"), -3);
    document.appendTextElement(root, QStringLiteral("Empty"), QString());
    EXPECT_EQ(document.toBytes(),
              utf16File(QStringLiteral("<R><A Index1=\"-3\" Index2=\"4\">x &lt; y &amp; \u00e4\U0001F31E</A><Empty/></R>")));
}

TEST(XmlDocumentSave, RoundTripsTextAndIntegerAttributes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.xml"));
    XmlDocument written;
    QDomElement root = written.createRoot(QStringLiteral("R"));
    const QString text = QStringLiteral("  quotes \" ' <tags> &amp; \t tab ]]> end  ");
    QDomElement a = written.appendTextElement(root, QStringLiteral("A"), text);
    XmlDocument::setIntAttribute(a, QStringLiteral("Index"), 5);
    ASSERT_TRUE(written.save(path).ok());

    XmlDocument read;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(read.load(path).ok());
    testing::internal::GetCapturedStderr();
    QDomElement loaded;
    read.walk([&loaded](const QDomElement &e) {
        loaded = e;
        return true;
    });
    EXPECT_EQ(XmlDocument::text(loaded), text);
    EXPECT_EQ(XmlDocument::attribute(loaded, QStringLiteral("Index")), QStringLiteral("5"));
    EXPECT_TRUE(XmlDocument::attribute(loaded, QStringLiteral("index")).isNull()) << "names are case-sensitive";
}

TEST(XmlDocumentSave, DropsCharactersXmlCannotCarrySoTheFileLoadsAgain)
{
    XmlDocument written;
    QDomElement root = written.createRoot(QStringLiteral("R"));
    QString text = QStringLiteral("a\u0001b\u001Fc\uFFFFd");
    text += QChar(0xD800); // unpaired surrogate
    text += QStringLiteral("e\U0001F31E");
    written.appendTextElement(root, QStringLiteral("A"), text);

    XmlDocument read;
    ASSERT_TRUE(loadBytes(written.toBytes(), read));
    QString loaded;
    read.walk([&loaded](const QDomElement &e) {
        loaded = XmlDocument::text(e);
        return false;
    });
    EXPECT_EQ(loaded, QStringLiteral("abcde\U0001F31E"));
}

TEST(XmlDocumentWalk, VisitsElementsInDocumentOrderAndSkipsWhatTheVisitorDeclines)
{
    XmlDocument document;
    ASSERT_TRUE(loadBytes("<R><A><A1/><A2/></A><Skip><Hidden/></Skip><B>text<B1/></B></R>", document));
    QStringList seen;
    document.walk([&seen](const QDomElement &e) {
        seen.append(e.tagName());
        return e.tagName() != u"Skip";
    });
    EXPECT_EQ(seen, QStringList({"R", "A", "A1", "A2", "Skip", "B", "B1"}));
}

TEST(XmlDocumentText, JoinsAllTextBelowTheNodeInDocumentOrder)
{
    XmlDocument document;
    ASSERT_TRUE(loadBytes("<R>1<A>2<B>3</B></A><![CDATA[<4>]]>5</R>", document));
    QDomElement root;
    document.walk([&root](const QDomElement &e) {
        root = e;
        return false;
    });
    EXPECT_EQ(XmlDocument::text(root), QStringLiteral("123<4>5"));
}
