// orvel.xml with any content; what loads must save and load to the same settings.
#include "FuzzFolder.h"

#include "storage/SettingsFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFolder &folder = FuzzFolder::instance();
    const QString path = folder.write(QStringLiteral("orvel.xml"), bytesOf(data, size));
    const orvel::Result<orvel::ChartSettings> settings = orvel::SettingsFile::load(path, orvel::ChartSettings::defaults());
    if (!settings)
        return 0;
    if (!orvel::SettingsFile::save(path, settings.value()))
        std::abort();
    const orvel::Result<orvel::ChartSettings> again = orvel::SettingsFile::load(path, orvel::ChartSettings::defaults());
    if (!again || !(again.value() == settings.value()))
        std::abort();
    return 0;
}
