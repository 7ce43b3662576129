#include "IndexLine.h"
#include "MaskedFile.h"
#include "PlaceFileText.h"
#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvel;

namespace {

QStringList namesOf(const std::vector<PlaceRecord> &places)
{
    QStringList names;
    for (const PlaceRecord &p : places)
        names << p.name;
    return names;
}

} // namespace

TEST(IndexLine, PositionsCountTheIndexLineItself)
{
    EXPECT_EQ(IndexLine::build({{u"A"_qs, 0}, {u"B"_qs, 10}}), u"A9 B19 \r\n"_qs);
    // Positions that gain digits from the line's own length, which they lengthen.
    const QString line = IndexLine::build({{u"A"_qs, 0}, {u"B"_qs, 98}});
    EXPECT_EQ(line, u"A11 B109 \r\n"_qs);
    EXPECT_EQ(line.size(), 11);
    EXPECT_EQ(IndexLine::build({}), u"\r\n"_qs);
}

TEST(PlaceFileText, EveryLetterReadsBackThroughTheReader)
{
    // Enough places that the index positions grow by a digit while the line is built.
    std::vector<BuiltPlace> places = {
        {11, u"Ölberg"_qs, 1, 50.1, 7.2, 10, {}, {}},     // sorts with O
        {12, u"'s-Hertogenbosch"_qs, 2, 51.7, 5.3, 10, {}, {}}, // sorts with S
        {13, u"Éguisheim"_qs, 1, 48.0, 7.3, 10, {}, {}},  // É becomes E in the sort key
        {14, u"église"_qs, 1, 48.0, 7.3, 10, {}, {}},     // é upper-cased to É, then E
        {15, u"Oberhausen"_qs, 1, 51.5, -6.85, 10, {}, {}},
        {16, u"Œuilly"_qs, 1, 49.2, 3.7, 10, {}, {}},     // a Windows-1252 letter outside ISO 8859-1: OE
    };
    for (int i = 0; i < 200; ++i)
        places.push_back({100 + i, QStringLiteral("Zeta %1").arg(i, 3, 10, QChar(u'0')), 1, -33.9, 18.4, 1, {}, {}});
    const PlaceFileText text(u"D"_qs, places);

    QTemporaryDir dir;
    ASSERT_TRUE(MaskedFile::write(dir.path() + u"/Orte_D.txt"_qs, text.bytes()).ok());
    RecordingMessageSink sink;
    PlaceDatabase database(dir.path(), dir.path() + u"/LstCntry.dat"_qs, sink);

    std::vector<PlaceRecord> read;
    ASSERT_TRUE(database.LoadPlaces(read, u"D"_qs, u"o"_qs));
    EXPECT_EQ(namesOf(read), (QStringList{u"Oberhausen"_qs, u"Œuilly"_qs, u"Ölberg"_qs}));
    EXPECT_EQ(read[0].latitude, u"51°30'00''N"_qs);
    EXPECT_EQ(read[0].longitude, u"6°51'00''W"_qs);
    EXPECT_EQ(read[2].number, 11);
    ASSERT_TRUE(database.LoadPlaces(read, u"D"_qs, u"s"_qs));
    EXPECT_EQ(namesOf(read), QStringList{u"'s-Hertogenbosch"_qs});
    EXPECT_EQ(read[0].zone, 2);
    for (const QString &typed : {u"e"_qs, u"É"_qs, u"é"_qs}) {
        ASSERT_TRUE(database.LoadPlaces(read, u"D"_qs, typed));
        EXPECT_EQ(namesOf(read), (QStringList{u"église"_qs, u"Éguisheim"_qs})) << qPrintable(typed);
    }
    ASSERT_TRUE(database.LoadPlaces(read, u"D"_qs, u"œ"_qs));
    EXPECT_EQ(read.size(), 3u);
    ASSERT_TRUE(database.LoadPlaces(read, u"D"_qs, u"Z"_qs));
    ASSERT_EQ(read.size(), 200u);
    EXPECT_EQ(read.front().name, u"Zeta 000"_qs);
    EXPECT_EQ(read.back().name, u"Zeta 199"_qs);
    EXPECT_EQ(read.front().tableCode, u"D"_qs);
    EXPECT_TRUE(sink.messages.isEmpty());
    // The records come back as the writer said they would, in the same order.
    EXPECT_EQ(text.records().size(), places.size());
}
