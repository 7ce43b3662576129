// horoskop.xml with any content; a file that loads must also save and load again.
#include "FuzzFolder.h"

#include "platform/RecordingMessageSink.h"
#include "storage/HoroscopeFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFolder &folder = FuzzFolder::instance();
    const QString path = folder.write(QStringLiteral("horoskop.xml"), bytesOf(data, size));
    const orvel::DateTime now(2026, 12, 8, 12, 0, 0);
    std::vector<orvel::HoroscopeRecord> records;
    if (!orvel::HoroscopeFile::load(path, records, now))
        return 0;
    orvel::RecordingMessageSink sink;
    std::vector<orvel::HoroscopeRecord> again;
    if (!orvel::HoroscopeFile::save(path, records, sink) || !orvel::HoroscopeFile::load(path, again, now)
        || again.size() != records.size())
        std::abort();
    return 0;
}
