#include "MaskedDatabase.h"

#include "placedb/FieldReader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace orvel;

namespace {

QStringList codesOf(const std::vector<CountryRecord> &countries)
{
    QStringList codes;
    for (const CountryRecord &c : countries)
        codes.append(c.code);
    return codes;
}

QStringList namesOf(const std::vector<PlaceRecord> &places)
{
    QStringList names;
    for (const PlaceRecord &p : places)
        names.append(p.name);
    return names;
}

TEST(LoadCountryList, GroupFirstThenTheRestBySortKey)
{
    MaskedDatabase db;
    PlaceDatabase places = db.open();
    std::vector<CountryRecord> countries(3); // replaced, not appended to
    ASSERT_TRUE(places.LoadCountryList(countries));
    // Country.txt lists AUS CDN GBE USA NIR SCO USNY USCA WL ZA among the others;
    // the others' keys: ALAND (ALA, then ALX in file order), DEUTSCHLAND, EIRE,
    // HRVATSKA, ISLAND (Í folds to I), OSTERREICH, SCHWEIZ.
    EXPECT_EQ(codesOf(countries).join(u' '),
              QStringLiteral("USNY USCA GBE NIR SCO WL AUS CDN ZA ALA ALX D IRL HR IS A CH"));
    EXPECT_TRUE(db.sink.messages.isEmpty());

    const auto swiss = std::find_if(countries.begin(), countries.end(), [](auto &c) { return c.code == u"CH"; });
    ASSERT_NE(swiss, countries.end());
    EXPECT_EQ(swiss->name, QStringLiteral("Schweiz"));
    EXPECT_EQ(swiss->extra, (std::array<QString, 5>{"CH", "CHE", "CHF", "+41", "Confoederatio \"Helvetica\""}));
    EXPECT_EQ(countries[15].name, QStringLiteral("Österreich")); // byte 0xD6 read as ISO 8859-1
}

struct GroupCase {
    const char *name;
    const char *fileCodes; // in file order, "code" or "code:name"; the name defaults to the code
    const char *listed;
};

class CountryGroupTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(CountryGroupTest, Orders)
{
    MaskedDatabase db;
    QByteArray file;
    for (const QByteArray &entry : QByteArray(GetParam().fileCodes).split(' ')) {
        const QList<QByteArray> codeAndName = entry.split(':');
        file += codeAndName.front() + '\t' + codeAndName.back() + "\ta\tb\tc\td\te\r\n";
    }
    db.write(QStringLiteral("Country.txt"), file);
    std::vector<CountryRecord> countries;
    ASSERT_TRUE(db.open().LoadCountryList(countries));
    EXPECT_EQ(codesOf(countries).join(u' '), QString::fromLatin1(GetParam().listed));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CountryGroupTest,
    ::testing::Values(
        // The two orders named in the description of the country list.
        GroupCase{"UsaDroppedGbeBeforeStateCode", "USA GBE USNY ZZ AA", "USNY GBE AA ZZ"},
        GroupCase{"StateCodeFirstThenGbeAtTheHead", "USNY GBE ZZ AA", "GBE USNY AA ZZ"},
        GroupCase{"AlphabeticalFileOrder", "AUS CDN GBE NIR SCO USXY WL ZA", "USXY GBE NIR SCO WL AUS CDN ZA"},
        GroupCase{"NirWithoutGbeGoesToTheTail", "CDN NIR SCO", "CDN NIR SCO"},
        GroupCase{"WalesAfterAustraliaMark", "AUS WL CDN", "AUS WL CDN"},
        GroupCase{"GbeGoesBeforeMarkB", "SCO WL GBE", "SCO GBE WL"},
        GroupCase{"ShortUsCodeIsAState", "U US ZA", "US ZA U"},
        GroupCase{"CodesCompareExactly", "gbe usny Gbe", "gbe Gbe usny"},
        GroupCase{"EqualKeysKeepFileOrder", "B2:B\xF6 A B1:Bo", "A B2 B1"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LoadCountryList, ATrailingTabShiftsTheFollowingFields)
{
    MaskedDatabase db;
    db.write(QStringLiteral("Country.txt"), "X\tXland\t1\t2\t3\t4\t5\t\r\nY\tYland\t1\t2\t3\t4\t5\r\n");
    std::vector<CountryRecord> countries;
    ASSERT_TRUE(db.open().LoadCountryList(countries));
    // Record 2 starts with the empty field after the tab, record 3 with Y's last
    // field; listed by name: "", "Xland", "Y".
    ASSERT_EQ(countries.size(), 3u);
    EXPECT_EQ(countries[0].code, QStringLiteral("5"));
    EXPECT_EQ(countries[0].name, QString());
    EXPECT_EQ(countries[1].code, QStringLiteral("X"));
    EXPECT_EQ(countries[2].code, QString());
    EXPECT_EQ(countries[2].name, QStringLiteral("Y"));
}

TEST(LoadCountryList, MissingFileIsReportedByName)
{
    MaskedDatabase db;
    db.remove(QStringLiteral("Country.txt"));
    std::vector<CountryRecord> countries(2);
    EXPECT_FALSE(db.open().LoadCountryList(countries));
    EXPECT_TRUE(countries.empty());
    ASSERT_EQ(db.sink.messages.size(), 1);
    EXPECT_TRUE(db.sink.messages[0].contains(QStringLiteral("Country.txt")));
}

struct SearchCase {
    const char *name;
    const char *country;
    const char16_t *search;
    const char16_t *found; // names joined by '|'
};

class LoadPlacesTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(LoadPlacesTest, FindsTheStretchOfTheFirstKeyCharacter)
{
    MaskedDatabase db;
    std::vector<PlaceRecord> places(1);
    EXPECT_TRUE(db.open().LoadPlaces(places, QString::fromLatin1(GetParam().country),
                                     QString::fromUtf16(GetParam().search)));
    EXPECT_EQ(namesOf(places).join(u'|'), QString::fromUtf16(GetParam().found));
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Searches, LoadPlacesTest,
    ::testing::Values(
        SearchCase{"NumberZeroInsideTheStretchIsSkipped", "D", u"Aa", u"Aachen|Augsburg"},
        SearchCase{"RestOfTheSearchTextIsIgnored", "D", u"bxyz", u"Bad \"Alt\" Heide|Berlin"},
        SearchCase{"CapitalUmlaut", "D", u"Ö", u"Oberhausen|Öhringen|Offenburg"},
        SearchCase{"SmallUmlaut", "D", u"ö", u"Oberhausen|Öhringen|Offenburg"},
        SearchCase{"PlainO", "D", u"o", u"Oberhausen|Öhringen|Offenburg"},
        SearchCase{"ApostropheIsDropped", "D", u"'s", u"Saarbrücken|Stuttgart"},
        SearchCase{"LastStretchEndsWithTheFile", "D", u"Stutt", u"Saarbrücken|Stuttgart"},
        SearchCase{"NoIndexEntry", "D", u"q", u""},
        SearchCase{"KeyWithoutCharacters", "D", u"'", u""},
        SearchCase{"EmptySearch", "D", u"", u""},
        SearchCase{"EmptyCountryCode", "", u"A", u""},
        SearchCase{"MissingPlaceFile", "XX", u"A", u""},
        SearchCase{"CaronFoldsToItsBaseLetter", "HR", u"š", u"Split|Šibenik"},
        SearchCase{"StretchStopsAtTheNextKey", "HR", u"S", u"Split|Šibenik"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LoadPlaces, ReadsAllSixFields)
{
    MaskedDatabase db;
    std::vector<PlaceRecord> places;
    ASSERT_TRUE(db.open().LoadPlaces(places, QStringLiteral("D"), QStringLiteral("O")));
    ASSERT_EQ(places.size(), 3u);
    const PlaceRecord expected{302, QStringLiteral("D"), QStringLiteral("Öhringen"), 11,
                               QStringLiteral("49°12'N"), QStringLiteral("9°30'E")};
    EXPECT_EQ(places[1], expected);
}

TEST(LoadPlaces, MissingFolderIsNotAnError)
{
    RecordingMessageSink sink;
    PlaceDatabase places(QStringLiteral("/nonexistent/OrvelDB"), QString(), sink);
    std::vector<PlaceRecord> found;
    EXPECT_TRUE(places.LoadPlaces(found, QStringLiteral("D"), QStringLiteral("A")));
    EXPECT_TRUE(found.empty());
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST(LoadPlaces, UnreadablePlaceFileIsReported)
{
    MaskedDatabase db;
    ASSERT_TRUE(QDir(db.folder()).mkdir(QStringLiteral("Orte_DIR.txt"))); // exists, cannot be read
    std::vector<PlaceRecord> places;
    EXPECT_FALSE(db.open().LoadPlaces(places, QStringLiteral("DIR"), QStringLiteral("A")));
    ASSERT_EQ(db.sink.messages.size(), 1);
    EXPECT_TRUE(db.sink.messages[0].contains(QStringLiteral("Orte_DIR.txt")));
}

struct IndexCase {
    const char *name;
    QByteArray index;
};

class LetterIndexTest : public ::testing::TestWithParam<IndexCase> {};

TEST_P(LetterIndexTest, UnusableEntryGivesNoPlaces)
{
    MaskedDatabase db;
    db.write(QStringLiteral("Orte_T.txt"), GetParam().index + "\n1\tD\tAalen\t1\tN\tE\r\n");
    std::vector<PlaceRecord> places;
    EXPECT_TRUE(db.open().LoadPlaces(places, QStringLiteral("T"), QStringLiteral("A")));
    EXPECT_TRUE(places.empty());
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LetterIndexTest,
    ::testing::Values(IndexCase{"NegativePosition", "A-5 "}, IndexCase{"BeyondTheEnd", "A4000 "},
                      IndexCase{"Enormous", "A99999999999999999999 "}, IndexCase{"NoClosingBlank", "A5"},
                      IndexCase{"BlankOnlyOnTheNextLine", "A5\n "}, IndexCase{"EmptyFile", ""}),
    [](const auto &info) { return std::string(info.param.name); });

// Country and time-table codes come from the data and become part of file names. A
// code that could name a file outside the database folder must not open one, even
// when the file the naive name would reach exists and is valid.
struct EscapeCase {
    const char *name;
    QString code;
    QString reachable; // relative to the program folder
};

class EscapingCodeTest : public ::testing::TestWithParam<EscapeCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(db.folder()).mkdir(QStringLiteral("Orte_")));
        ASSERT_TRUE(QDir(db.folder()).mkdir(QStringLiteral("Ttable_")));
    }
    void plant(const QString &prefix, const QByteArray &plain)
    {
        QString reachable = GetParam().reachable;
        QByteArray masked = plain;
        FieldReader::UnmaskBuffer(masked.data(), masked.size());
        QFile file(db.root() + u'/' + reachable.replace(QStringLiteral("{}"), prefix));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.fileName().toStdString();
        file.write(masked);
    }
    MaskedDatabase db;
};

TEST_P(EscapingCodeTest, PlaceFileIsTakenAsMissing)
{
    plant(QStringLiteral("Orte_"), "A4 \n1\tD\tAalen\t1\tN\tE\r\n");
    std::vector<PlaceRecord> places;
    EXPECT_TRUE(db.open().LoadPlaces(places, GetParam().code, QStringLiteral("A")));
    EXPECT_TRUE(places.empty());
    EXPECT_TRUE(db.sink.messages.isEmpty());
}

TEST_P(EscapingCodeTest, TimeTableCannotBeOpened)
{
    plant(QStringLiteral("Ttable_"), "1_5 \nX\t1\t01.01.1900 00:00:00\tMEZ\r\n");
    double offset = 7.0;
    EXPECT_FALSE(db.open().GetDeltaGMT(DateTime(2000, 1, 1), GetParam().code, 1, offset));
    EXPECT_EQ(offset, 7.0);
    EXPECT_EQ(db.sink.messages.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EscapingCodeTest,
    ::testing::Values(EscapeCase{"ParentBySlash", QStringLiteral("/../../Outside"), QStringLiteral("Outside.txt")},
                      EscapeCase{"Backslash", QStringLiteral("..\\Outside"), QStringLiteral("OrvelDB/{}..\\Outside.txt")},
                      EscapeCase{"DotDot", QStringLiteral(".."), QStringLiteral("OrvelDB/{}...txt")},
                      EscapeCase{"ControlCharacter", QStringLiteral("D\x01"), QStringLiteral("OrvelDB/{}D\x01.txt")}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
