// Twenty births as other astrology programs write them, imported through the
// generated world database. Each record of twenty-births.aaf is followed by a comment
// "#:expect JD" with its moment in universal time: the file's own Julian day where
// it has one, otherwise the local time converted with Python's zoneinfo (IANA tz).
#include "placedb/PlaceDatabase.h"
#include "placedb/PlaceOffsetLookup.h"
#include "platform/RecordingMessageSink.h"
#include "storage/AafFile.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace orvel;

namespace {

const QString Folder = QStringLiteral(ORVEL_WORLD_DATABASE_DIR);

QByteArray births()
{
    QFile file(QStringLiteral(ORVEL_TEST_DATA_DIR "/storage/twenty-births.aaf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<double> expectedMoments(const QByteArray &aaf)
{
    std::vector<double> moments;
    for (const QByteArray &line : aaf.split('\n')) {
        if (line.startsWith("#:expect "))
            moments.push_back(line.mid(9).trimmed().toDouble());
    }
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
