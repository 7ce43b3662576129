// orvel.xml with any content; what loads must save and load to the same settings.
#include "FuzzFolder.h"

#include "platform/RecordingMessageSink.h"
#include "storage/SettingsFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzFolder &folder = FuzzFolder::instance();
    const QString path = folder.write(QStringLiteral("orvel.xml"), bytesOf(data, size));
    orvel::ChartSettings settings = orvel::ChartSettings::defaults();
    if (!orvel::SettingsFile::load(path, settings))
        return 0;
    orvel::RecordingMessageSink sink;
    orvel::ChartSettings again = orvel::ChartSettings::defaults();
    if (!orvel::SettingsFile::save(path, settings, sink) || !orvel::SettingsFile::load(path, again)
        || !(again == settings))
        std::abort();
    return 0;
}
