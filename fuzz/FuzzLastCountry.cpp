// The last-used-country archive with any content.
#include "FuzzFolder.h"

#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFolder &folder = FuzzFolder::instance();
    const QString file = folder.write(QStringLiteral("LstCntry.dat"), bytesOf(data, size));
    orvel::RecordingMessageSink sink;
    orvel::PlaceDatabase database(folder.database(), file, sink);
    QString country = QStringLiteral("unchanged");
    database.LoadLastCountry(country);
    return 0;
}
