#include "storage/AafFile.h"

#include "engine/CoordinateFormat.h"
#include "engine/PlaceDirectory.h"
#include "storage/AafChunks.h"

#include "StorageTestFiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace orvel;
using namespace storagetest;

namespace {

// A place database of a few countries and places; offsets by a simple summer rule
// (April to September one hour more) so that lookups are visible in the results.
class FakeDirectory : public PlaceDirectory {
public:
    struct Place {
        const char *code;
        const char *city;
        double latitude;
        double longitude;
        double standardOffset;
    };

    std::vector<DirectoryCountry> countries() override
    {
        return {{"D", "Deutschland"},          {"F", "France"},          {"GBE", "England"},
                {"SCO", "Scotland"},           {"WL", "Wales"},          {"NIR", "Northern Ireland"},
                {"USNY", "USA - New York"},    {"USCA", "USA - California"}, {"LCA", "Saint Lucia"},
                {"A", "\u00D6sterreich"}};
    }

    std::optional<ChartPlace> findPlace(const QString &country, const QString &city) override
    {
        for (const Place &p : Places) {
            if (nameOf(p.code) == country && city == QString::fromUtf8(p.city))
                return chartPlace(p);
        }
        return std::nullopt;
    }

    bool offsetAt(const ChartPlace &place, const DateTime &local, double &offset) override
    {
        ++offsetLookups;
        offset = place.zone + (local.month() >= 4 && local.month() <= 9 && place.zone == 1 ? 1 : 0);
        return true;
    }

    std::optional<double> nearestPlaceKm(const QString &code, double latitude, double longitude) override
    {
        std::optional<double> best;
        for (const Place &p : Places) {
            const double d = std::hypot(p.latitude - latitude, p.longitude - longitude) * 111;
            if (code == QLatin1String(p.code) && (!best || d < *best))
                best = d;
        }
        return best;
    }

    int offsetLookups = 0;

private:
    QString nameOf(const char *code)
    {
        for (const DirectoryCountry &c : countries()) {
            if (c.code == QLatin1String(code))
                return c.name;
        }
        return {};
    }

    ChartPlace chartPlace(const Place &p)
    {
        return ChartPlace{QString::fromUtf8(p.city), nameOf(p.code), CoordinateFormat::latitude(p.latitude),
                          CoordinateFormat::longitude(p.longitude), QStringLiteral("T"), int(p.standardOffset)};
    }

    static constexpr Place Places[] = {
        {"D", "Berlin", 52.5167, 13.4, 1},          {"D", "Freiburg", 48.0, 7.85, 1},
        {"F", "Paris", 48.8667, 2.3333, 1},         {"GBE", "London", 51.5, -0.1167, 0},
        {"SCO", "Edinburgh", 55.95, -3.2, 0},       {"WL", "Cardiff", 51.4833, -3.1833, 0},
        {"NIR", "Belfast", 54.6, -5.9333, 0},       {"USNY", "New York", 40.7167, -74.0, -5},
        {"USCA", "Los Angeles", 34.05, -118.25, -8}, {"LCA", "Castries", 14.0, -61.0, -4},
    };
};

struct ReadCase {
    const char *name;
    const char *aaf;
    bool imported;
    const char *horoscope;  // name
    const char *birth;      // local, "DD.MM.YYYY HH:MM:SS"
    const char *city;
    const char *country;
    const char *latitude;
    const char *longitude;
    double deltaGmt;
    const char *reason;     // a regular expression the reason must match
};

std::ostream &operator<<(std::ostream &os, const ReadCase &c) { return os << c.name; }

class AafReadTest : public testing::TestWithParam<ReadCase> {};

const ReadCase ReadCases[] = {
    {"DefinitionExample", "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he,0\n#ZNAM:CET\n",
     true, "Tobias Ferber", "27.09.1970 11:04:00", "Kandel/Pfalz", "Deutschland", "49\u00B005'00''N",
     "8\u00B011'00''E", 1.0, "^$"},
    {"LocalMeanTimeWithJulianDay",
     "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\r\n#B93:2392758.526528,43n31,5e27,*,L\r\n#ZNAM:LMT\r\n"
     "#COM:Painter,\r\ncontinued line\r\n#SRC:1*,Register\r\n",
     true, "Paul Cezanne", "19.01.1839 01:00:00", "Aix-En-Provence", "France", "43\u00B031'00''N",
     "5\u00B027'00''E", 5.45 / 15, "^$"},
    {"ZoneAndDaylightSaving", "#A93:Sommer,Eva,f,1.6.1983,3:10:30,Freiburg,D\n#B93:2445486.548958,48n00,7e51,1he00,1\n",
     true, "Eva Sommer", "01.06.1983 03:10:30", "Freiburg", "Deutschland", "48\u00B000'00''N", "7\u00B051'00''E",
     2.0, "^$"},
    {"SecondsAndWestZone", "#A93:Doe,Jane,f,4.7.1976,9:30,Los Angeles,US\n#B93:*,34n03:00,118w15:00,8hw00,1\n",
     true, "Jane Doe", "04.07.1976 09:30:00", "Los Angeles", "USA - California", "34\u00B003'00''N",
     "118\u00B015'00''W", -7.0, "^$"},
    {"FieldsTrimmed", "#A93: Muster , Max , m , 1.7.1980 , 12:00 , Berlin , D \n#B93: * , 52n31 , 13e24 , 1he00 , 1 \n",
     true, "Max Muster", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E",
     2.0, "^$"},
    {"EventWithoutFirstName", "#A93:Wall opening,*,e,9.11.1989,18:57,Berlin,D\n#B93:*,52n31,13e24,1he00,0\n", true,
     "Wall opening", "09.11.1989 18:57:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "^$"},
    {"WithoutB93FromDatabase", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n", true, "Max Muster",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"ZoneMissingFromDatabase", "#A93:Muster,Max,m,1.1.1980,12:00,Berlin,D\n#B93:*,52n30,13e20,*,*\n", true,
     "Max Muster", "01.01.1980 12:00:00", "Berlin", "Deutschland", "52\u00B030'00''N", "13\u00B020'00''E", 1.0, "^$"},
    {"CityNotInDatabase", "#A93:Muster,Max,m,1.1.1980,12:00,Kleinkleckersdorf,D\n", true, "Max Muster",
     "01.01.1980 12:00:00", "Kleinkleckersdorf", "Deutschland", "", "", 0.0, "\\(Other\\).*no time zone"},
    {"CityWithRegion", "#A93:Muster,Max,m,1.1.1980,12:00,Freiburg/Breisgau,D\n", true, "Max Muster",
     "01.01.1980 12:00:00", "Freiburg/Breisgau", "Deutschland", "48\u00B000'00''N", "7\u00B051'00''E", 1.0, "^$"},
    {"GreatBritainByCoordinates", "#A93:Smith,John,m,1.1.1950,10:00,Leith,GB\n#B93:*,55n58,3w10,0hw00,0\n", true,
     "John Smith", "01.01.1950 10:00:00", "Leith", "Scotland", "55\u00B058'00''N", "3\u00B010'00''W", 0.0, "^$"},
    {"GreatBritainByCity", "#A93:Jones,Ann,f,1.1.1950,10:00,Cardiff,GB\n", true, "Ann Jones", "01.01.1950 10:00:00",
     "Cardiff", "Wales", "51\u00B029'00''N", "3\u00B011'00''W", 0.0, "^$"},
    {"UnitedStatesByCoordinates", "#A93:Doe,John,m,1.1.1950,10:00,Brooklyn,USA\n#B93:*,40n41,73w57,5hw00,0\n", true,
     "John Doe", "01.01.1950 10:00:00", "Brooklyn", "USA - New York", "40\u00B041'00''N", "73\u00B057'00''W", -5.0,
     "^$"},
    {"SaintLucia", "#A93:Walcott,Derek,m,23.1.1930,12:00,Castries,WL\n#B93:*,14n00,61w00,4hw00,0\n", true,
     "Derek Walcott", "23.01.1930 12:00:00", "Castries", "Saint Lucia", "14\u00B000'00''N", "61\u00B000'00''W", -4.0,
     "^$"},
    {"UnknownCountryCode", "#A93:Nemo,Kap,m,1.1.1950,10:00,Nautilus,XYZ\n#B93:*,10n00,20e00,1he00,0\n", true,
     "Kap Nemo", "01.01.1950 10:00:00", "Nautilus", "", "10\u00B000'00''N", "20\u00B000'00''E", 1.0,
     "unknown country code 'XYZ'"},
    {"TimeFromJulianDay", "#A93:Ereignis,*,e,24.12.1992,*,Berlin,D\n#B93:2448981.229167,52n31,13e24,1he00,0\n", true,
     "Ereignis", "24.12.1992 18:30:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "time taken from the Julian day"},
    {"TimeUnknownNoon", "#A93:Ereignis,*,e,24.12.1992,*,Berlin,D\n#B93:*,52n31,13e24,1he00,0\n", true, "Ereignis",
     "24.12.1992 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "12:00 taken"},
    {"JulianDayWins", "#A93:Wrong,Zone,m,1.7.1980,12:00,Berlin,D\n#B93:2444421.916667,52n31,13e24,1he00,0\n", true,
     "Zone Wrong", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0,
     "differs by 3600 s.*set to match"},
    {"JulianDayOfAnotherYear", "#A93:Wrong,Year,m,1.7.1980,12:00,Berlin,D\n#B93:2445445.131907,52n31,13e24,1he00,0\n",
     true, "Year Wrong", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 1.0,
     "differs by .* they were kept"},
    {"OffsetFromJulianDay", "#A93:Far,Away,m,1.7.1980,12:00,Atlantis,XYZ\n#B93:2444421.750000,*,*,*,*\n", true,
     "Away Far", "01.07.1980 12:00:00", "Atlantis", "", "", "", 6.0, "offset taken from the Julian day"},
    {"OffsetFromAJulianDayOfAnotherDate", "#A93:Far,Away,m,1.7.1980,12:00,Atlantis,XYZ\n#B93:2445445.131907,*,*,*,nan\n",
     true, "Away Far", "01.07.1980 12:00:00", "Atlantis", "", "", "", 0.0,
     "daylight saving 'nan' not understood.*no time zone.*they were kept"},
    {"Windows1252Text", "#A93:M\xfcller,J\xf6rg,m,1.7.1980,12:00,Berlin,D\n", true, "J\u00F6rg M\u00FCller",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"Utf8Text", "#A93:M\xc3\xbcller,J\xc3\xb6rg,m,1.7.1980,12:00,Berlin,D\n", true, "J\u00F6rg M\u00FCller",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0, "^$"},
    {"B93WithWrongFieldCount", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n#B93:*,52n31,13e24\n", true,
     "Max Muster", "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0,
     "#B93 has 3 fields, not 5"},
    {"BadLatitude", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n#B93:*,95n00,13e24,1he00,1\n", true, "Max Muster",
     "01.07.1980 12:00:00", "Berlin", "Deutschland", "52\u00B031'00''N", "13\u00B024'00''E", 2.0,
     "latitude '95n00' not understood"},
    {"A93WithTooFewFields", "#A93:Muster,Max,m,1.7.1980,12:00,Berlin\n", false, "Muster", "", "", "", "", "", 0,
     "6 fields, not 7"},
    {"A93WithTooManyFields", "#A93:Muster,Jr.,Max,m,1.7.1980,12:00,Berlin,D\n", false, "Muster", "", "", "", "", "", 0,
     "8 fields, not 7"},
    {"ImpossibleDate", "#A93:Muster,Max,m,31.2.1980,12:00,Berlin,D\n", false, "Max Muster", "", "", "", "", "", 0,
     "'31.2.1980' is no date"},
    {"DateBeforeYear100", "#A93:Caesar,Julius,m,12.7.-99,12:00,Rom,I\n", false, "Julius Caesar", "", "", "", "", "", 0,
     "is no date"},
    {"BadTime", "#A93:Muster,Max,m,1.7.1980,25:00,Berlin,D\n", false, "Max Muster", "", "", "", "", "", 0,
     "'25:00' is no time"},
    {"B93WithoutA93", "#B93:*,52n31,13e24,1he00,1\n", false, "", "", "", "", "", "", 0, "without #A93"},
};

TEST_P(AafReadTest, MapsRecord)
{
    const ReadCase &c = GetParam();
    FakeDirectory places;
    const std::vector<AafEntry> entries = AafFile::read(QByteArray(c.aaf), places);
    ASSERT_EQ(entries.size(), 1u);
    const AafEntry &e = entries.front();
    EXPECT_EQ(e.record, 1);
    EXPECT_EQ(e.name, QString::fromUtf8(c.horoscope));
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8(c.reason)).match(e.reason).hasMatch()) << e.reason.toStdString();
    ASSERT_EQ(e.horoscope.has_value(), c.imported);
    if (!c.imported)
        return;
    const HoroscopeRecord &h = *e.horoscope;
    EXPECT_EQ(h.name, QString::fromUtf8(c.horoscope));
    EXPECT_EQ(h.birth.toText(), QString::fromUtf8(c.birth));
    EXPECT_EQ(h.city, QString::fromUtf8(c.city));
    EXPECT_EQ(h.country, QString::fromUtf8(c.country));
    EXPECT_EQ(h.latitude, QString::fromUtf8(c.latitude));
    EXPECT_EQ(h.longitude, QString::fromUtf8(c.longitude));
    EXPECT_NEAR(h.deltaGmt, c.deltaGmt, 0.5 / 3600);
}

INSTANTIATE_TEST_SUITE_P(Records, AafReadTest, testing::ValuesIn(ReadCases),
                         [](const testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

// The Julian day of a #B93 line written by us.
double writtenJulianDay(const QString &aaf, int record)
{
    const QStringList lines = aaf.split(QStringLiteral("\r\n")).filter(QStringLiteral("#B93:"));
    return lines.value(record).mid(5).section(u',', 0, 0).toDouble();
}

double julianDayOf(const HoroscopeRecord &h)
{
    return 1721425.5 + (double(h.birth.serialSeconds()) - h.deltaGmt * 3600) / 86400;
}

HoroscopeRecord horoscope(const char *name, DateTime birth, const char *city, const char *country, const char *latitude,
                          const char *longitude, double deltaGmt)
{
    return {QString::fromUtf8(name), birth,       QString::fromUtf8(city), QString::fromUtf8(country),
            QString::fromUtf8(latitude), QString::fromUtf8(longitude), deltaGmt};
}

} // namespace

TEST(AafFileTest, OursToAafAndBackGivesEqualRecords)
{
    const std::vector<HoroscopeRecord> ours = {
        horoscope("Albert Einstein", DateTime(1879, 3, 14, 11, 30, 0), "Ulm", "Deutschland", "48\u00B024'00''N",
                  "9\u00B059'00''E", 0.6667),
        horoscope("J\u00F6rg M\u00FCller", DateTime(1980, 7, 1, 12, 0, 5), "Berlin", "Deutschland",
                  "52\u00B031'12''N", "13\u00B024'00''E", 2.0),
        horoscope("Jane Ann Doe", DateTime(1976, 7, 4, 9, 30, 0), "Los Angeles", "USA - California",
                  "34\u00B003'00''N", "118\u00B015'00''W", -7.0),
        horoscope("Smith", DateTime(1950, 1, 1, 0, 0, 0), "Edinburgh", "Scotland", "55\u00B057'00''N",
                  "3\u00B012'00''W", 0.0),
        horoscope("Derek Walcott", DateTime(1930, 1, 23, 23, 59, 59), "Castries", "Saint Lucia", "14\u00B000'00''N",
                  "61\u00B000'00''W", -4.0),
        horoscope("Nepal", DateTime(2001, 6, 1, 6, 15, 0), "Kathmandu", "", "27\u00B042'00''N", "85\u00B019'00''E",
                  5.75),
    };
    for (const AafFile::Encoding encoding : {AafFile::Encoding::Windows1252, AafFile::Encoding::Utf8}) {
        FakeDirectory places;
        std::vector<AafEntry> written;
        const QByteArray bytes = AafFile::write(ours, places, encoding, written);
        ASSERT_EQ(written.size(), ours.size());
        const std::vector<AafEntry> read = AafFile::read(bytes, places);
        ASSERT_EQ(read.size(), ours.size());
        for (std::size_t i = 0; i < ours.size(); ++i) {
            ASSERT_TRUE(read[i].horoscope) << read[i].reason.toStdString();
            HoroscopeRecord back = *read[i].horoscope;
            EXPECT_NEAR(back.deltaGmt, ours[i].deltaGmt, 0.5 / 3600) << ours[i].name.toStdString();
            back.deltaGmt = ours[i].deltaGmt;
            EXPECT_EQ(back, ours[i]) << ours[i].name.toStdString() << " " << QString::fromLatin1(bytes).toStdString();
        }
        // The only record without a database country says so.
        EXPECT_TRUE(written[5].reason.isEmpty());
    }
}

TEST(AafFileTest, AafToOursAndBackKeepsBirthMoments)
{
    const QByteArray aaf = "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n"
                           "#B93:2392758.526528,43n31,5e27,*,L\n"
                           "#A93:Sommer,Eva,f,1.6.1983,3:10:30,Freiburg,D\n"
                           "#B93:2445486.548958,48n00,7e51,1he00,1\n"
                           "#A93:Muster,Max,m,1.7.1980,12:00,Berlin,D\n"
                           "#A93:Doe,John,m,1.1.1950,10:00,Brooklyn,USA\n"
                           "#B93:*,40n41,73w57,5hw00,0\n";
    FakeDirectory places;
    const std::vector<AafEntry> first = AafFile::read(aaf, places);
    std::vector<HoroscopeRecord> ours;
    for (const AafEntry &e : first)
        ours.push_back(*e.horoscope);
    std::vector<AafEntry> written;
    const QString again = QString::fromLatin1(AafFile::write(ours, places, AafFile::Encoding::Windows1252, written));
    const double expected[] = {2392758.526528, 2445486.548958, julianDayOf(ours[2]), julianDayOf(ours[3])};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(writtenJulianDay(again, i), expected[i], 1.0 / 86400) << i;
    EXPECT_NEAR(expected[2], 2444422.0 - 2.0 / 24, 1e-9); // Berlin summer time from the database
    EXPECT_TRUE(again.contains(QStringLiteral("#A93:Cezanne,Paul,*,19.1.1839,1:00,Aix-En-Provence,F\r\n")));
    EXPECT_TRUE(again.contains(QStringLiteral(",USA\r\n#B93:")));
}

TEST(AafFileTest, WriterMarksWhatCannotTravel)
{
    const std::vector<HoroscopeRecord> ours = {
        horoscope("Smith, John #2", DateTime(1950, 1, 1, 0, 0, 0), "", "Atlantis", "", "", 0.0),
        horoscope("\u4E2D\u6587 Name", DateTime(1950, 1, 1, 0, 0, 0), "", "", "", "", 0.0),
    };
    FakeDirectory places;
    std::vector<AafEntry> entries;
    const QByteArray bytes = AafFile::write(ours, places, AafFile::Encoding::Windows1252, entries);
    EXPECT_TRUE(bytes.startsWith("#A93:2,Smith; John,*,1.1.1950,0:00,*,*\r\n#B93:"));
    EXPECT_TRUE(entries[0].reason.contains(QStringLiteral("'Atlantis' is not in the place database")));
    EXPECT_TRUE(entries[0].reason.contains(QStringLiteral("commas, '#' and line breaks cannot travel")));
    EXPECT_TRUE(entries[1].reason.contains(QStringLiteral("2 characters outside Windows-1252")));
    EXPECT_TRUE(AafFile::write(ours, places, AafFile::Encoding::Utf8, entries).contains("\xe4\xb8\xad"));
    EXPECT_TRUE(entries[1].reason.isEmpty());
}

TEST(AafFileTest, DamagedFilesKeepTheGoodRecords)
{
    const QByteArray aaf = "garbage before the first record\n"
                           "#A93:Good,One,m,1.7.1980,12:00,Berlin,D\n"
                           "#A93:Bad,Date,m,1.13.1980,12:00,Berlin,D\n"
                           "#B93:*,52n31,13e24,1he00,1\n"
                           "#B93:*,52n31,13e24,1he00,1\n"
                           "#A93:Good,Two,f,2.7.1980,12:00,Berlin,D\n"
                           "#A93:Short\n"
                           "#\x01\xff\xfe\n";
    FakeDirectory places;
    const std::vector<AafEntry> entries = AafFile::read(aaf, places);
    ASSERT_EQ(entries.size(), 5u);
    const bool imported[] = {true, false, false, true, false};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(entries[i].record, i + 1);
        EXPECT_EQ(entries[i].horoscope.has_value(), imported[i]) << i;
        EXPECT_EQ(entries[i].reason.isEmpty(), imported[i]) << i << entries[i].reason.toStdString();
    }
    EXPECT_TRUE(entries[2].reason.contains(QStringLiteral("line 5")));
}

TEST(AafFileTest, FilesWithoutRecords)
{
    FakeDirectory places;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256 == '#' ? 0 : (i * 7919) % 256);
    for (const QByteArray &bytes : {QByteArray(), garbage, QByteArray("\xEF\xBB\xBF"), QByteArray("#:comment only\n")})
        EXPECT_TRUE(AafFile::read(bytes, places).empty());

    QTemporaryDir dir;
    const AafFile::Loaded missing = AafFile::load(dir.filePath(QStringLiteral("none.aaf")), places);
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("none.aaf")));
    writeBytes(dir.filePath(QStringLiteral("empty.aaf")), QByteArray());
    EXPECT_FALSE(AafFile::load(dir.filePath(QStringLiteral("empty.aaf")), places).ok);
}

TEST(AafFileTest, SaveReplacesTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.aaf"));
    FakeDirectory places;
    const std::vector<HoroscopeRecord> ours = {
        horoscope("Max Muster", DateTime(1980, 7, 1, 12, 0, 0), "Berlin", "Deutschland", "52\u00B031'00''N",
                  "13\u00B024'00''E", 2.0)};
    const AafFile::Saved saved = AafFile::save(path, ours, places);
    ASSERT_TRUE(saved.file.ok);
    EXPECT_EQ(readBytes(path), "#A93:Muster,Max,*,1.7.1980,12:00,Berlin,D\r\n"
                               "#B93:2444421.916667,52n31,13e24,2he00,0\r\n");
    const AafFile::Loaded loaded = AafFile::load(path, places);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.imported(), 1);
    EXPECT_FALSE(AafFile::save(dir.filePath(QStringLiteral("no/such/folder/out.aaf")), ours, places).file.ok);
}
