// horoskop.xml with any content; a file that loads must also save and load again.
#include "FuzzFolder.h"

#include "storage/HoroscopeFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFolder &folder = FuzzFolder::instance();
    const QString path = folder.write(QStringLiteral("horoskop.xml"), bytesOf(data, size));
    const orvel::DateTime now(2026, 12, 8, 12, 0, 0);
    const orvel::Result<std::vector<orvel::HoroscopeRecord>> records = orvel::HoroscopeFile::load(path, now);
    if (!records)
        return 0;
    if (!orvel::HoroscopeFile::save(path, records.value()))
        std::abort();
    const orvel::Result<std::vector<orvel::HoroscopeRecord>> again = orvel::HoroscopeFile::load(path, now);
    if (!again || again->size() != records->size())
        std::abort();
    return 0;
}
