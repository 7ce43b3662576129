// The generated world database as a user typing a city meets it, read through the
// program's own reader: every place is found under the letter its name begins with,
// names tell places apart without nesting brackets, and well-known places are listed
// under the names users expect.
#include "NameChanges.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/SortKey.h"
#include "platform/RecordingMessageSink.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvel;

namespace {

const QString Folder = QStringLiteral(ORVEL_WORLD_DATABASE_DIR);

// The letter a user types for a name: its first character other than an apostrophe,
// stripped of accents through Unicode's decomposition; the letters that have none
// by their first letter.
QChar plainLetter(const QString &name)
{
    const qsizetype first = name.indexOf(QRegularExpression(QStringLiteral("[^']")));
    if (first < 0)
        return QChar();
    const QChar c = name.at(first).toUpper();
    static const QHash<char16_t, char16_t> undecomposed = {
        {u'Æ', u'A'}, {u'Ø', u'O'}, {u'Ð', u'D'}, {u'Þ', u'T'}, {u'Œ', u'O'}, {u'ß', u'S'}};
    if (undecomposed.contains(c.unicode()))
        return QChar(undecomposed.value(c.unicode()));
    return QString(c).normalized(QString::NormalizationForm_KD).front().toUpper();
}

class WorldDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        names = new NameChanges::Names(NameChanges::read(Folder));
        PlaceDatabase database = open();
        countries = new std::vector<CountryRecord>();
        database.LoadCountryList(*countries);
    }

    static void TearDownTestSuite()
    {
        delete names;
        delete countries;
    }

    static PlaceDatabase open() { return PlaceDatabase(Folder, Folder + QStringLiteral("/LstCntry.dat"), sink); }

    static std::vector<PlaceRecord> placesUnder(const QString &code, const QString &typed)
    {
        std::vector<PlaceRecord> places;
        EXPECT_TRUE(open().LoadPlaces(places, code, typed));
        return places;
    }

    static inline RecordingMessageSink sink;
    static inline NameChanges::Names *names = nullptr;
    static inline std::vector<CountryRecord> *countries = nullptr;
};

TEST_F(WorldDatabase, EveryPlaceIsListedUnderThePlainLetterOfItsName)
{
    ASSERT_GT(names->size(), 250u);
    qsizetype places = 0;
    QStringList unreachable;
    for (const auto &[code, byNumber] : *names) {
        QHash<QChar, QSet<int>> listed;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            for (const PlaceRecord &place : placesUnder(code, QString(QChar(letter))))
                listed[QChar(letter)].insert(place.number);
        }
        for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it) {
            ++places;
            if (!listed.value(plainLetter(*it)).contains(it.key()))
                unreachable.append(code + QStringLiteral(": ") + *it);
        }
    }
    EXPECT_GT(places, 150000);
    EXPECT_TRUE(unreachable.isEmpty()) << unreachable.size() << " places, for example "
                                       << qPrintable(unreachable.mid(0, 10).join(QStringLiteral("; ")));
}

TEST_F(WorldDatabase, NoTwoPlacesOfACountryShareADisplayedName)
{
    QStringList repeated;
    for (const auto &[code, byNumber] : *names) {
        QSet<QString> keys;
        for (const QString &name : byNumber) {
            if (keys.contains(MakeSortKey(name)))
                repeated.append(code + QStringLiteral(": ") + name);
            keys.insert(MakeSortKey(name));
        }
    }
    EXPECT_TRUE(repeated.isEmpty()) << repeated.size() << " names, for example "
                                    << qPrintable(repeated.mid(0, 10).join(QStringLiteral("; ")));
}

TEST_F(WorldDatabase, NoNameNestsBrackets)
{
    const QRegularExpression nested(QStringLiteral("\\([^)]*\\("));
    QStringList found;
    for (const auto &[code, byNumber] : *names) {
        for (const QString &name : byNumber) {
            if (name.contains(nested) || name.count(u'(') != name.count(u')'))
                found.append(code + QStringLiteral(": ") + name);
        }
    }
    EXPECT_TRUE(found.isEmpty()) << found.size() << " names, for example "
                                 << qPrintable(found.mid(0, 10).join(QStringLiteral("; ")));
}

TEST_F(WorldDatabase, CountriesSortAsPeopleExpect)
{
    const auto position = [&](const QString &name) {
        return std::find_if(countries->begin(), countries->end(), [&](const CountryRecord &c) { return c.name == name; }) -
               countries->begin();
    };
    EXPECT_LT(position(QStringLiteral("Costa Rica")), position(QStringLiteral("Côte d'Ivoire")));
    EXPECT_LT(position(QStringLiteral("Côte d'Ivoire")), position(QStringLiteral("Croatia")));
    EXPECT_LT(position(QStringLiteral("Réunion")), position(QStringLiteral("Romania")));
    EXPECT_LT(position(QStringLiteral("Romania")), position(QStringLiteral("Rwanda")));
}

TEST_F(WorldDatabase, TimeTablesReachTheEndOf2399)
{
    const std::vector<PlaceRecord> places = placesUnder(QStringLiteral("D"), QStringLiteral("B"));
    const auto berlin = std::find_if(places.begin(), places.end(), [](const PlaceRecord &p) { return p.name == u"Berlin"; });
    ASSERT_NE(berlin, places.end());
    PlaceDatabase database = open();
    const auto offsetAt = [&](const DateTime &moment) {
        double offset = 0.0;
        EXPECT_TRUE(database.GetDeltaGMT(moment, berlin->tableCode, berlin->zone, offset));
        return offset;
    };
    EXPECT_EQ(offsetAt(DateTime(2101, 7, 1, 12, 0)), 2.0);
    EXPECT_EQ(offsetAt(DateTime(2399, 7, 1, 12, 0)), 2.0);
    EXPECT_EQ(offsetAt(DateTime(2399, 12, 31, 12, 0)), 1.0);
}

struct WellKnownPlace {
    const char *name;
    const char16_t *country;
    const char16_t *typed;
    const char16_t *listed;
};

class WellKnownPlaces : public WorldDatabase, public ::testing::WithParamInterface<WellKnownPlace> {};

TEST_P(WellKnownPlaces, AreListedUnderTheNameUsersExpect)
{
    const std::vector<PlaceRecord> places = placesUnder(QString::fromUtf16(GetParam().country),
                                                        QString::fromUtf16(GetParam().typed));
    const QString listed = QString::fromUtf16(GetParam().listed);
    EXPECT_TRUE(std::any_of(places.begin(), places.end(), [&](const PlaceRecord &p) { return p.name == listed; }))
        << qPrintable(listed) << " among " << places.size() << " places";
}

INSTANTIATE_TEST_SUITE_P(
    Names, WellKnownPlaces,
    ::testing::Values(WellKnownPlace{"AvilaUnderA", u"E", u"a", u"Ávila"},
                      WellKnownPlace{"UbedaUnderU", u"E", u"U", u"Úbeda"},
                      WellKnownPlace{"LodzUnderL", u"PL", u"l", u"Lódz"},
                      WellKnownPlace{"HodmezovasarhelyUnderH", u"H", u"h", u"Hódmezovásárhely"},
                      WellKnownPlace{"SumperkUnderS", u"CZ", u"s", u"Šumperk"},
                      WellKnownPlace{"ZilinaUnderZ", u"SK", u"z", u"Žilina"},
                      WellKnownPlace{"CorumUnderC", u"TR", u"c", u"Çorum"},
                      WellKnownPlace{"IleTudyUnderI", u"F", u"i", u"Île-Tudy"},
                      WellKnownPlace{"IsafjordurUnderI", u"IS", u"i", u"Ísafjörður"},
                      WellKnownPlace{"NewportOfVictoria", u"AUS", u"n", u"Newport"},
                      WellKnownPlace{"NewportOfNewSouthWales", u"AUS", u"n", u"Newport (New South Wales)"},
                      WellKnownPlace{"NewportOfQueensland", u"AUS", u"n", u"Newport (Queensland)"},
                      WellKnownPlace{"WaitangiOfTheChathamIslands", u"NZ", u"w", u"Waitangi (Chatham Islands)"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
