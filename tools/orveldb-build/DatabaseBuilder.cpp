#include "DatabaseBuilder.h"

#include "DatabaseCheck.h"
#include "GeoNamesReader.h"
#include "DuplicateNames.h"
#include "MaskedFile.h"
#include "PlaceFileText.h"
#include "PlaceNameCleaner.h"
#include "TimeTableText.h"
#include "platform/AtomicFileWriter.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>

namespace orvel {

namespace {

void fail(const QString &message)
{
    std::fprintf(stderr, "orveldb-build: %s\n", qPrintable(message));
}

// Whether `result` succeeded; says why not.
bool succeeded(const ResultState &result)
{
    if (!result)
        fail(result.message());
    return result.ok();
}

QString outcomeReason(PlaceNameCleaner::Outcome outcome)
{
    switch (outcome) {
    case PlaceNameCleaner::Outcome::Unchanged:
        return QString();
    case PlaceNameCleaner::Outcome::Cleaned:
        return QStringLiteral("cleaned: tabs, quotes, control characters or extra blanks in the name");
    case PlaceNameCleaner::Outcome::Transliterated:
        return QStringLiteral("cleaned: letters outside Windows-1252 replaced by their base letters");
    case PlaceNameCleaner::Outcome::Ascii:
        return QStringLiteral("cleaned: name outside Windows-1252, ASCII name used");
    case PlaceNameCleaner::Outcome::StartsWithDigit:
        return QStringLiteral("skipped: name begins with a digit");
    case PlaceNameCleaner::Outcome::Unusable:
        break;
    }
    return QStringLiteral("skipped: no usable name");
}

} // namespace

DatabaseBuilder::DatabaseBuilder(Options options) : m_options(std::move(options)) {}

bool DatabaseBuilder::knownZone(const QString &name)
{
    const auto it = m_zoneAvailable.constFind(name);
    if (it != m_zoneAvailable.cend())
        return *it;
    const bool available = !name.isEmpty() && QTimeZone(name.toUtf8()).isValid();
    m_zoneAvailable.insert(name, available);
    return available;
}

bool DatabaseBuilder::readPlaces(const CountryScheme &scheme, const AdminNames &admin)
{
    QFile file(m_options.citiesFile);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(m_options.citiesFile, file.errorString()));
        return false;
    }
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const std::optional<SourcePlace> source = GeoNamesReader::parseLine(line, m_statistics);
        if (!source)
            continue;
        const PlaceNameCleaner::Result name = PlaceNameCleaner::clean(source->name, source->asciiName);
        if (const QString reason = outcomeReason(name.outcome); !reason.isEmpty())
            m_statistics.count(reason);
        if (name.name.isEmpty())
            continue;
        const std::optional<CountryEntry> entry = scheme.entryFor(source->countryCode, source->admin1);
        if (!entry) {
            m_statistics.count(QStringLiteral("skipped: unknown country or region"));
            continue;
        }
        if (!knownZone(source->timeZone)) {
            m_statistics.count(QStringLiteral("skipped: missing or unknown time zone"));
            continue;
        }
        Country &country = m_countries[entry->code];
        country.entry = *entry;
        qsizetype zone = country.zoneNames.indexOf(source->timeZone);
        if (zone < 0) {
            zone = country.zoneNames.size();
            country.zoneNames.append(source->timeZone);
        }
        // A country that is one region (a US state, a part of the UK) says nothing by naming it.
        const QString region =
            entry->subdivision.isEmpty() ? admin.region(source->countryCode, source->admin1) : QString();
        country.places.push_back({source->geonameId, name.name, int(zone), source->latitude, source->longitude,
                                  source->population, region,
                                  admin.district(source->countryCode, source->admin1, source->admin2)});
    }
    return true;
}

void DatabaseBuilder::numberZonesAndNames()
{
    for (auto &[code, country] : m_countries) {
        // Zones numbered from 1 in the order of their IANA names.
        QStringList sorted = country.zoneNames;
        sorted.sort();
        for (BuiltPlace &place : country.places)
            place.zone = int(sorted.indexOf(country.zoneNames[place.zone])) + 1;
        country.zoneNames = sorted;
        const int dropped = DuplicateNames::keepApart(country.places);
        if (dropped > 0)
            m_statistics.count(QStringLiteral("skipped: same name at the same coordinates"), dropped);
    }
}

void DatabaseBuilder::readZoneHistories()
{
    for (const auto &[code, country] : m_countries) {
        for (const QString &name : country.zoneNames) {
            if (m_histories.count(name))
                continue;
            std::vector<ZoneHistory::Row> &rows = m_histories[name] = ZoneHistory::rowsFor(QTimeZone(name.toUtf8()));
            for (const ZoneHistory::Row &row : rows)
                m_keys.add(row.offset.abbreviation, row.offset.seconds);
        }
    }
}

bool DatabaseBuilder::writeAll(const QString &folder)
{
    DatabaseCheck check(folder);
    std::vector<CountryRecord> countries;
    for (const auto &[code, country] : m_countries) {
        const PlaceFileText places(code, country.places);
        std::vector<std::vector<TimeTableText::Row>> zones;
        for (const QString &name : country.zoneNames) {
            std::vector<TimeTableText::Row> &rows = zones.emplace_back();
            for (const ZoneHistory::Row &row : m_histories.at(name))
                rows.push_back({row.start, m_keys.keyFor(row.offset.abbreviation, row.offset.seconds)});
        }
        const TimeTableText table(code, zones);
        if (!succeeded(MaskedFile::write(folder + QStringLiteral("/Orte_%1.txt").arg(code), places.bytes()))
            || !succeeded(MaskedFile::write(folder + QStringLiteral("/Ttable_%1.txt").arg(code), table.bytes())))
            return false;
        check.places(code, places.records());
        check.timeTable(code, table.sections());
        const CountryEntry &e = country.entry;
        countries.push_back({e.code, e.name,
                             {e.alpha2, e.alpha3, e.subdivision, QString::number(country.places.size()),
                              QString::number(country.zoneNames.size())}});
    }

    QString countryText;
    for (const CountryRecord &c : countries)
        countryText += QStringList{c.code, c.name}.join(u'\t') + u'\t' + QStringList(c.extra.begin(), c.extra.end()).join(u'\t') +
                       QStringLiteral("\r\n");
    if (!succeeded(MaskedFile::write(folder + QStringLiteral("/Country.txt"), countryText.toLatin1()))
        || !succeeded(MaskedFile::write(folder + QStringLiteral("/Zones.txt"), m_keys.zoneFileText())))
        return false;
    check.countries(countries);
    check.zoneFile(m_keys.keys());
    for (const QString &problem : check.problems())
        fail(QStringLiteral("read-back check: ") + problem);
    return check.problems().isEmpty();
}

bool DatabaseBuilder::writeZoneNames() const
{
    if (m_options.zoneNamesFile.isEmpty())
        return true;
    QString text;
    for (const auto &[code, country] : m_countries) {
        for (qsizetype i = 0; i < country.zoneNames.size(); ++i)
            text += QStringLiteral("%1\t%2\t%3\n").arg(code).arg(i + 1).arg(country.zoneNames[i]);
    }
    return succeeded(AtomicFileWriter::standard().write(m_options.zoneNamesFile, text.toUtf8()));
}

bool DatabaseBuilder::install(const QString &folder) const
{
    QDir old(m_options.outputFolder);
    if (old.exists() && !old.removeRecursively()) {
        fail(QStringLiteral("cannot remove the old %1").arg(m_options.outputFolder));
        return false;
    }
    if (!QDir().rename(folder, m_options.outputFolder)) {
        fail(QStringLiteral("cannot rename %1 to %2").arg(folder, m_options.outputFolder));
        return false;
    }
    return true;
}

QString DatabaseBuilder::renamedFileFor(const QString &outputFolder)
{
    QString folder = outputFolder;
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder + QStringLiteral("-renamed.tsv");
}

bool DatabaseBuilder::writeNameChanges(const NameChanges::Names &previous) const
{
    NameChanges::Names current;
    for (const auto &[code, country] : m_countries) {
        QHash<int, QString> &names = current[code];
        for (const BuiltPlace &place : country.places)
            names.insert(place.number, place.name);
    }
    const QString path = renamedFileFor(m_options.outputFolder);
    return succeeded(AtomicFileWriter::standard().write(path, NameChanges::list(previous, current)));
}

bool DatabaseBuilder::run()
{
    QElapsedTimer timer;
    timer.start();
    const Result<CountryScheme> scheme = CountryScheme::load(m_options.isoCodesFolder);
    if (!succeeded(scheme))
        return false;
    const Result<AdminNames> admin = AdminNames::load(m_options.adminFolder);
    if (!succeeded(admin))
        return false;
    if (!readPlaces(scheme.value(), admin.value()))
        return false;
    numberZonesAndNames();
    readZoneHistories();

    const QString folder = m_options.outputFolder + QStringLiteral(".new");
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder)) {
        fail(QStringLiteral("cannot create %1").arg(folder));
        return false;
    }
    if (!writeAll(folder)) {
        fail(QStringLiteral("the rejected database is left in %1; the old one is unchanged").arg(folder));
        return false;
    }
    const NameChanges::Names previous = NameChanges::read(m_options.outputFolder);
    if (!install(folder) || !writeNameChanges(previous) || !writeZoneNames())
        return false;

    qint64 files = 0, bytes = 0, places = 0;
    for (QDirIterator it(m_options.outputFolder, QDir::Files); it.hasNext();) {
        it.next();
        ++files;
        bytes += it.fileInfo().size();
    }
    for (const auto &[code, country] : m_countries)
        places += qint64(country.places.size());
    std::printf("orveldb-build: %s\n", qPrintable(m_options.outputFolder));
    std::printf("  %zu countries, %lld places, %zu IANA zones, %zu zone-file keys\n", m_countries.size(),
                static_cast<long long>(places), m_histories.size(), m_keys.keys().size());
    std::printf("  %lld files, %lld bytes, built and checked in %.1f s\n", static_cast<long long>(files),
                static_cast<long long>(bytes), timer.elapsed() / 1000.0);
    std::printf("source records skipped or cleaned:\n");
    m_statistics.print(stdout);
    return true;
}

} // namespace orvel
