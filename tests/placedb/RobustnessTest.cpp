#include "MaskedDatabase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace orvel;

namespace {

// Damaged database files must never crash, hang or read outside their data. Each
// operation that reads a file kind is run on every truncation of its fixture and on
// seeded random bytes rich in the syntax characters; each outcome is held to what
// every outcome must satisfy.
struct FileKind {
    const char *name;
    const char *file;
    void (*exercise)(PlaceDatabase &);
};

void loadCountries(PlaceDatabase &places)
{
    std::vector<CountryRecord> countries;
    EXPECT_TRUE(places.LoadCountryList(countries));
}

void loadPlaces(PlaceDatabase &places)
{
    std::vector<PlaceRecord> found;
    for (const char *search : {"A", "B", "O", "S", "Q", "1", " "})
        EXPECT_TRUE(places.LoadPlaces(found, QStringLiteral("D"), QString::fromLatin1(search)));
}

// A lookup returns; when it fails, the offset it was handed is left as it was; when it
// succeeds, the offset is a finite number or left as it was (no zone record found);
// the same lookup again, from the cache, gives the same answer.
void lookUpOffsets(PlaceDatabase &places)
{
    constexpr double Untouched = 1000.0;
    for (int zone : {1, 2, 3, 11}) {
        for (const DateTime &moment : {DateTime(1880, 1, 1), DateTime(1916, 6, 1), DateTime(2000, 1, 1)}) {
            double offset = Untouched;
            const bool found = places.GetDeltaGMT(moment, QStringLiteral("D"), zone, offset);
            const std::string where = "zone " + std::to_string(zone) + " at " + moment.toText().toStdString();
            if (!found)
                EXPECT_EQ(offset, Untouched) << where;
            else
                EXPECT_TRUE(offset == Untouched || std::isfinite(offset)) << where << ": " << offset;
            double again = Untouched;
            EXPECT_EQ(places.GetDeltaGMT(moment, QStringLiteral("D"), zone, again), found) << where;
            EXPECT_EQ(again, offset) << where;
        }
    }
}

class DamagedFileTest : public ::testing::TestWithParam<FileKind> {};

TEST_P(DamagedFileTest, EveryTruncation)
{
    MaskedDatabase db;
    const QString name = QString::fromLatin1(GetParam().file);
    const QByteArray full = MaskedDatabase::fixture(name);
    for (qsizetype length = 0; length <= full.size(); ++length) {
        db.write(name, full.left(length));
        PlaceDatabase places = db.open();
        GetParam().exercise(places);
    }
}

TEST_P(DamagedFileTest, RandomBytes)
{
    MaskedDatabase db;
    std::mt19937 random(20240611); // fixed: failures must be reproducible
    const QByteArray alphabet("\t\r\n\"\\ _0123456789AaBOS-.:K\xA9\xFF");
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<int> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> anyByte(0, 255);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(length(random), '\0');
        for (char &b : bytes)
            b = round % 2 ? alphabet[pick(random)] : char(anyByte(random));
        db.write(QString::fromLatin1(GetParam().file), bytes);
        PlaceDatabase places = db.open();
        GetParam().exercise(places);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFileTest,
    ::testing::Values(FileKind{"CountryFile", "Country.txt", loadCountries},
                      FileKind{"PlaceFile", "Orte_D.txt", loadPlaces},
                      FileKind{"TimeTable", "Ttable_D.txt", lookUpOffsets},
                      FileKind{"ZoneFile", "Zones.txt", lookUpOffsets}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
