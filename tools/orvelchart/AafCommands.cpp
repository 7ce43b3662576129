#include "tools/orvelchart/AafCommands.h"

#include "platform/StderrMessageSink.h"
#include "storage/AafFile.h"
#include "storage/HoroscopeFile.h"
#include "tools/orvelchart/JsonWriter.h"

#include <QFileInfo>

#include <cstdio>

namespace orvel {

namespace {

int failure(const QString &command, const QString &problem)
{
    std::fprintf(stderr, "orvelchart: %s: %s\n", command.toLocal8Bit().constData(), problem.toLocal8Bit().constData());
    return 1;
}

void printEntry(const AafEntry &entry, const char *status)
{
    JsonWriter json;
    json.beginObject();
    json.member("record", entry.record);
    json.member("name", entry.name);
    json.member("status", QString::fromLatin1(status));
    json.member("reason", entry.reason);
    json.endObject();
    std::fwrite(json.text().constData(), 1, json.text().size(), stdout);
    std::fputc('\n', stdout);
}

// The stored horoscopes: none when the file does not exist; nothing when it exists
// but cannot be read, so that a damaged file is never overwritten.
std::optional<std::vector<HoroscopeRecord>> storedHoroscopes(const QString &path, const DateTime &now)
{
    std::vector<HoroscopeRecord> records;
    if (!QFileInfo::exists(path))
        return records;
    if (!HoroscopeFile::load(path, records, now))
        return std::nullopt;
    return records;
}

} // namespace

int AafCommands::importFile(const QString &horoscopeFile, PlaceDirectory &places, const QStringList &arguments,
                            const DateTime &now)
{
    const QString command = QStringLiteral("import");
    std::optional<std::vector<HoroscopeRecord>> horoscopes = storedHoroscopes(horoscopeFile, now);
    if (!horoscopes)
        return failure(command, QStringLiteral("%1 cannot be read; nothing imported").arg(horoscopeFile));
    const AafFile::Loaded loaded = AafFile::load(arguments[0], places);
    if (!loaded.ok)
        return failure(command, loaded.error);
    for (const AafEntry &entry : loaded.entries) {
        printEntry(entry, entry.horoscope ? "imported" : "skipped");
        if (entry.horoscope)
            horoscopes->push_back(*entry.horoscope);
    }
    if (loaded.imported() == 0)
        return failure(command, QStringLiteral("no record of %1 could be imported").arg(arguments[0]));
    StderrMessageSink sink;
    if (!HoroscopeFile::save(horoscopeFile, *horoscopes, sink))
        return failure(command, QStringLiteral("nothing imported"));
    return 0;
}

QString AafCommands::invalidExport(const QStringList &arguments)
{
    if (arguments.size() == 2 && arguments[1] != u"--utf8")
        return QStringLiteral("export: unknown option '%1'").arg(arguments[1]);
    return {};
}

int AafCommands::exportFile(const QString &horoscopeFile, PlaceDirectory &places, const QStringList &arguments,
                            const DateTime &now)
{
    const QString command = QStringLiteral("export");
    const std::optional<std::vector<HoroscopeRecord>> horoscopes = storedHoroscopes(horoscopeFile, now);
    if (!horoscopes)
        return failure(command, QStringLiteral("%1 cannot be read").arg(horoscopeFile));
    const auto encoding = arguments.size() == 2 ? AafFile::Encoding::Utf8 : AafFile::Encoding::Windows1252;
    const AafFile::Saved saved = AafFile::save(arguments[0], *horoscopes, places, encoding);
    if (!saved.file.ok)
        return failure(command, saved.file.errorMessage);
    for (const AafEntry &entry : saved.entries)
        printEntry(entry, "exported");
    return 0;
}

} // namespace orvel
