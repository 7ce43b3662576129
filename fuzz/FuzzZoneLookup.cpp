// A time table and a zone file with any content, looked up in both variants. The input
// holds: zone number byte, moment bytes, then the time table and the zone file
// separated by the first NUL byte.
#include "FuzzFolder.h"

#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    const int zone = data[0] % 24;
    const orvel::DateTime moment(1800 + data[1] * 2, 1 + data[2] % 12, 1 + data[3] % 28, data[1] % 24, data[2] % 60, 0);
    const QByteArray rest = bytesOf(data + 4, size - 4);
    const qsizetype split = rest.indexOf('\0');
    const FuzzFolder &folder = FuzzFolder::instance();
    folder.writeMasked(QStringLiteral("OrvelDB/Ttable_T.txt"), split < 0 ? rest : rest.left(split));
    folder.writeMasked(QStringLiteral("OrvelDB/Zones.txt"), split < 0 ? QByteArray() : rest.mid(split + 1));
    // Redirections may name other tables: give the usual ones the same content.
    folder.writeMasked(QStringLiteral("OrvelDB/Ttable_US.txt"), split < 0 ? rest : rest.left(split));

    for (const auto variant : {orvel::PlaceDatabase::Variant::Handheld, orvel::PlaceDatabase::Variant::Desktop}) {
        orvel::RecordingMessageSink sink;
        orvel::PlaceDatabase database(folder.database(), QString(), sink, variant);
        double offset = 0.0;
        database.GetDeltaGMT(moment, QStringLiteral("T"), zone, offset);
        database.GetDeltaGMT(moment, QStringLiteral("T"), zone, offset); // from the cache
    }
    return 0;
}
