#include "tools/orvelchart/AafCommands.h"

#include "platform/StderrMessageSink.h"
#include "storage/AafFile.h"
#include "storage/DamagedFileCopy.h"
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
    const QByteArray text = json.text();
    std::fwrite(text.constData(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

// The stored horoscopes as the programs read them: none when the file does not exist,
// those before the damage of a damaged file (the session has told the damage already).
HoroscopeFile::Reading storedHoroscopes(const QString &path, const DateTime &now)
{
    if (!QFileInfo::exists(path))
        return {};
    Result<HoroscopeFile::Reading> reading = HoroscopeFile::read(path, now);
    StderrMessageSink().showDiagnostics(reading.diagnostics());
    return std::move(reading).value();
}

} // namespace

int AafCommands::importFile(const QString &horoscopeFile, PlaceDirectory &places, const QStringList &arguments,
                            const DateTime &now)
{
    const QString command = QStringLiteral("import");
    const HoroscopeFile::Reading stored = storedHoroscopes(horoscopeFile, now);
    std::vector<HoroscopeRecord> horoscopes = stored.records();
    const Result<std::vector<AafEntry>> loaded = AafFile::load(arguments[0], places);
    if (!loaded)
        return failure(command, loaded.message());
    for (const AafEntry &entry : loaded.value()) {
        printEntry(entry, entry.horoscope ? "imported" : "skipped");
        if (entry.horoscope)
            horoscopes.push_back(*entry.horoscope);
    }
    if (AafFile::imported(loaded.value()) == 0)
        return failure(command, QStringLiteral("no record of %1 could be imported").arg(arguments[0]));
    // A damaged file is kept beside itself before the list read from it replaces it.
    if (stored.damage.isDamaged()) {
        const Result<QString> kept = DamagedFileCopy::keep(horoscopeFile);
        if (!kept)
            return failure(command, QStringLiteral("%1 is damaged and no copy of it could be kept (%2); nothing imported")
                                        .arg(horoscopeFile, kept.message()));
        std::fprintf(stderr, "orvelchart: %s: the damaged %s is kept as %s\n", command.toLocal8Bit().constData(),
                     horoscopeFile.toLocal8Bit().constData(), kept.value().toLocal8Bit().constData());
    }
    if (const Result<> saved = HoroscopeFile::save(horoscopeFile, horoscopes); !saved)
        return failure(command, QStringLiteral("%1; nothing imported").arg(saved.message()));
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
    const std::vector<HoroscopeRecord> horoscopes = storedHoroscopes(horoscopeFile, now).records();
    const auto encoding = arguments.size() == 2 ? AafFile::Encoding::Utf8 : AafFile::Encoding::Windows1252;
    const Result<std::vector<AafEntry>> saved = AafFile::save(arguments[0], horoscopes, places, encoding);
    if (!saved)
        return failure(command, saved.message());
    for (const AafEntry &entry : saved.value())
        printEntry(entry, "exported");
    return 0;
}

} // namespace orvel
