// A place file with any content, searched with a text taken from the input's first bytes.
#include "FuzzFolder.h"

#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const FuzzFolder &folder = FuzzFolder::instance();
    const QString search = QString::fromLatin1(reinterpret_cast<const char *>(data), 1);
    folder.writeMasked(QStringLiteral("OrvelDB/Orte_F.txt"), bytesOf(data + 1, size - 1));
    orvel::RecordingMessageSink sink;
    orvel::PlaceDatabase database(folder.database(), QString(), sink);
    std::vector<orvel::PlaceRecord> places;
    database.LoadPlaces(places, QStringLiteral("F"), search);
    return 0;
}
