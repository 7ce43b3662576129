// Births as other astrology programs write them, imported through the generated
// world database. Each record of twenty-births.aaf is followed by a comment
// "#:expect JD" with its moment in universal time: the file's own Julian day where
// it has one, otherwise the local time converted with Python's zoneinfo (IANA tz).
// other-programs.aaf holds the calendars, times, country fields and chunks other
// programs write, each record followed by "#:expect" with the stored local time, the
// country and Delta_GMT (zone and daylight saving as IANA tz has them for that place).
#include "placedb/PlaceDatabase.h"
#include "placedb/PlaceOffsetLookup.h"
#include "platform/RecordingMessageSink.h"
#include "storage/AafFile.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

using namespace orvel;

namespace {

const QString Folder = QStringLiteral(ORVEL_WORLD_DATABASE_DIR);

QByteArray testFile(const char *name)
{
    QFile file(QStringLiteral(ORVEL_TEST_DATA_DIR "/storage/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray births()
{
    return testFile("twenty-births.aaf");
}

QStringList expectations(const QByteArray &aaf)
{
    QStringList expected;
    for (const QByteArray &line : aaf.split('\n')) {
        if (line.startsWith("#:expect "))
            expected.append(QString::fromUtf8(line.mid(9).trimmed()));
    }
    return expected;
}

std::vector<double> expectedMoments(const QByteArray &aaf)
{
    std::vector<double> moments;
    for (const QString &text : expectations(aaf))
        moments.push_back(text.toDouble());
    return moments;
}

double julianDay(const HoroscopeRecord &h)
{
    return 1721425.5 + (double(h.birth.serialSeconds()) - h.deltaGmt * 3600) / 86400;
}

std::vector<HoroscopeRecord> imported(const std::vector<AafEntry> &entries)
{
    std::vector<HoroscopeRecord> list;
    for (const AafEntry &e : entries) {
        EXPECT_TRUE(e.horoscope) << e.record << ": " << e.reason.toStdString();
        if (e.horoscope)
            list.push_back(*e.horoscope);
    }
    return list;
}

} // namespace

TEST(AafWorld, TwentyBirthsImportWithTheirMomentsAndTravelBack)
{
    RecordingMessageSink sink;
    PlaceDatabase database(Folder, Folder + QStringLiteral("/LstCntry.dat"), sink);
    PlaceOffsetLookup places(database);
    const QByteArray aaf = births();
    const std::vector<double> expected = expectedMoments(aaf);
    ASSERT_EQ(expected.size(), 20u);

    const std::vector<HoroscopeRecord> ours = imported(AafFile::read(aaf, places));
    ASSERT_EQ(ours.size(), 20u);
    for (std::size_t i = 0; i < ours.size(); ++i)
        EXPECT_NEAR(julianDay(ours[i]), expected[i], 1.0 / 86400) << ours[i].name.toStdString();
    EXPECT_EQ(ours[6].country, QStringLiteral("England"));
    EXPECT_EQ(ours[7].country, QStringLiteral("Scotland"));
    EXPECT_EQ(ours[8].country, QStringLiteral("USA - New York"));
    EXPECT_EQ(ours[9].country, QStringLiteral("USA - California"));
    EXPECT_EQ(ours[15].country, QStringLiteral("Saint Lucia"));

    std::vector<AafEntry> written;
    const QByteArray again = AafFile::write(ours, places, AafFile::Encoding::Windows1252, written);
    const std::vector<HoroscopeRecord> back = imported(AafFile::read(again, places));
    ASSERT_EQ(back.size(), 20u);
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_NEAR(julianDay(back[i]), expected[i], 1.0 / 86400) << back[i].name.toStdString();
        EXPECT_EQ(back[i].country, ours[i].country);
        EXPECT_EQ(back[i].birth, ours[i].birth);
    }
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST(AafWorld, BirthsAsOtherProgramsWriteThemImportAsExpected)
{
    RecordingMessageSink sink;
    PlaceDatabase database(Folder, Folder + QStringLiteral("/LstCntry.dat"), sink);
    PlaceOffsetLookup places(database);
    const QByteArray aaf = testFile("other-programs.aaf");
    const QStringList expected = expectations(aaf);
    const std::vector<AafEntry> entries = AafFile::read(aaf, places);
    ASSERT_EQ(entries.size(), std::size_t(expected.size()));
    ASSERT_GE(expected.size(), 30);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const AafEntry &e = entries[i];
        SCOPED_TRACE(QStringLiteral("record %1, %2: %3").arg(e.record).arg(e.name, e.reason).toStdString());
        if (expected[i] == u"skipped") {
            EXPECT_FALSE(e.horoscope);
            EXPECT_FALSE(e.reason.isEmpty());
            continue;
        }
        const QStringList parts = expected[i].split(u'|');
        ASSERT_EQ(parts.size(), 3);
        ASSERT_TRUE(e.horoscope);
        EXPECT_EQ(e.horoscope->birth.toText(), parts[0]);
        if (!parts[1].isEmpty()) {
            EXPECT_EQ(e.horoscope->country, parts[1]);
        }
        if (!parts[2].isEmpty()) {
            EXPECT_NEAR(e.horoscope->deltaGmt, parts[2].toDouble(), 0.001);
        }
    }
    EXPECT_TRUE(sink.messages.isEmpty());
}

// The eleven codes that are one country's vehicle code and another's ISO 3166 code,
// each with a city of either country.
struct EitherCode {
    const char *code;
    const char *vehicleCountry;
    const char *vehicleCity;
    const char *isoCountry;
    const char *isoCity;
};

std::ostream &operator<<(std::ostream &os, const EitherCode &c) { return os << c.code; }

const EitherCode EitherCodes[] = {
    {"BH", "Belize", "Belmopan", "Bahrain", "Manama"},
    {"BRN", "Bahrain", "Manama", "Brunei Darussalam", "Bandar Seri Begawan"},
    {"CL", "Sri Lanka", "Colombo", "Chile", "Santiago"},
    {"ES", "El Salvador", "San Miguel", "Spain", "Madrid"},
    {"ET", "Egypt", "Cairo", "Ethiopia", "Addis Ababa"},
    {"LB", "Liberia", "Monrovia", "Lebanon", "Beirut"},
    {"MS", "Mauritius", "Port Louis", "Montserrat", "Brades"},
    {"ROU", "Uruguay", "Montevideo", "Romania", "Bucharest"},
    {"RU", "Burundi", "Bujumbura", "Russian Federation", "Moscow"},
    {"SD", "Eswatini", "Mbabane", "Sudan", "Khartoum"},
    {"SY", "Seychelles", "Victoria", "Syria", "Damascus"},
};

class AafWorldEitherCode : public testing::TestWithParam<EitherCode> {
protected:
    static QString countryOf(const QString &record)
    {
        RecordingMessageSink sink;
        PlaceDatabase database(Folder, Folder + QStringLiteral("/LstCntry.dat"), sink);
        PlaceOffsetLookup places(database);
        const std::vector<AafEntry> entries = AafFile::read(record.toUtf8(), places);
        return entries.size() == 1 && entries[0].horoscope ? entries[0].horoscope->country : QStringLiteral("(none)");
    }
    static QString record(const char *city, const QString &code)
    {
        return QStringLiteral("#A93:Doe,Jo,m,1.7.1980,12:00,%1,%2\n").arg(QString::fromUtf8(city), code);
    }
};

TEST_P(AafWorldEitherCode, TheCityDecidesElseTheVehicleCode)
{
    const EitherCode &c = GetParam();
    const QString code = QLatin1String(c.code);
    EXPECT_EQ(countryOf(record(c.isoCity, code)), QString::fromUtf8(c.isoCountry));
    EXPECT_EQ(countryOf(record(c.vehicleCity, code)), QString::fromUtf8(c.vehicleCountry));
    EXPECT_EQ(countryOf(record("Atlantis", code)), QString::fromUtf8(c.vehicleCountry));
    EXPECT_EQ(countryOf(record("Atlantis", code.toLower())), QString::fromUtf8(c.vehicleCountry));
}

INSTANTIATE_TEST_SUITE_P(Codes, AafWorldEitherCode, testing::ValuesIn(EitherCodes),
                         [](const testing::TestParamInfo<EitherCode> &info) { return std::string(info.param.code); });

TEST(AafWorld, EitherCodeWithoutAKnownCityGoesByTheCoordinates)
{
    RecordingMessageSink sink;
    PlaceDatabase database(Folder, Folder + QStringLiteral("/LstCntry.dat"), sink);
    PlaceOffsetLookup places(database);
    const std::vector<AafEntry> entries = AafFile::read("#A93:Doe,Jo,m,1.7.1980,12:00,Atlantis,RU\n"
                                                        "#B93:*,55n45,37e37,3he00,1\n"
                                                        "#A93:Doe,Jo,m,1.7.1980,12:00,Atlantis,RU\n"
                                                        "#B93:*,3s23,29e22,2he00,0\n",
                                                        places);
    ASSERT_EQ(entries.size(), 2u);
    ASSERT_TRUE(entries[0].horoscope && entries[1].horoscope);
    EXPECT_EQ(entries[0].horoscope->country, QStringLiteral("Russian Federation"));
    EXPECT_EQ(entries[1].horoscope->country, QStringLiteral("Burundi"));
    EXPECT_TRUE(entries[0].reason.contains(QStringLiteral("nearest to the coordinates")))
        << entries[0].reason.toStdString();
}

TEST(AafWorld, CountriesCarryTheirIsoCodes)
{
    RecordingMessageSink sink;
    PlaceDatabase database(Folder, Folder + QStringLiteral("/LstCntry.dat"), sink);
    PlaceOffsetLookup places(database);
    int withCodes = 0;
    const std::vector<DirectoryCountry> countries = places.countries();
    for (const DirectoryCountry &c : countries) {
        withCodes += c.iso2.size() == 2 && c.iso3.size() == 3 ? 1 : 0;
        if (c.code == u"A") {
            EXPECT_EQ(c.iso2 + u' ' + c.iso3, QStringLiteral("AT AUT"));
        }
        if (c.code == u"SCO") {
            EXPECT_EQ(c.iso2 + u' ' + c.iso3, QStringLiteral("GB GBR"));
        }
    }
    EXPECT_EQ(withCodes, int(countries.size()));
}
