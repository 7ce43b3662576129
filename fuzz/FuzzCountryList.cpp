// The country file with any content.
#include "FuzzFolder.h"

#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFolder &folder = FuzzFolder::instance();
    folder.writeMasked(QStringLiteral("OrvelDB/Country.txt"), bytesOf(data, size));
    orvel::RecordingMessageSink sink;
    orvel::PlaceDatabase database(folder.database(), QString(), sink);
    std::vector<orvel::CountryRecord> countries;
    database.LoadCountryList(countries);
    return 0;
}
