#include "placedb/PlaceDatabase.h"

#include "placedb/ArchivedString.h"
#include "placedb/CountryOrder.h"
#include "placedb/DatabaseFile.h"
#include "placedb/PlaceFile.h"
#include "placedb/SortKey.h"
#include "platform/Windows1252.h"
#include "placedb/ZoneFile.h"
#include "platform/FileError.h"
#include "platform/MessageSink.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>

namespace orvel {

namespace {

// Where a designation hands a lookup over to: its last three characters are a zone
// number (leading blanks or zeros allowed), the text before them, without trailing
// blanks, a table code ("US1  1" is table US1, zone 1).
struct Handover {
    static Handover of(const QString &designation)
    {
        QString tableCode = designation.left(std::max<qsizetype>(designation.size() - 3, 0));
        while (!tableCode.isEmpty() && tableCode.back().isSpace())
            tableCode.chop(1);
        return {tableCode, decimalValue(designation.right(3))};
    }

    QString tableCode;
    int zone = 0;
    friend bool operator==(const Handover &, const Handover &) = default;
};

// `moment` moved by `seconds`; invalid when it leaves the dates DateTime knows.
DateTime shifted(const DateTime &moment, int seconds)
{
    return moment.isValid() ? DateTime::fromSerialSeconds(moment.serialSeconds() + seconds) : DateTime();
}

} // namespace

PlaceDatabase::PlaceDatabase(QString databaseFolder, QString lastCountryFile, MessageSink &sink, Variant variant)
    : m_folder(std::move(databaseFolder)), m_lastCountryFile(std::move(lastCountryFile)), m_sink(sink),
      m_variant(variant)
{
}

std::optional<QByteArray> PlaceDatabase::readOrReport(const QString &path)
{
    Result<QByteArray> file = DatabaseFile::read(path);
    if (!file) {
        m_sink.showMessage(file.message());
        return std::nullopt;
    }
    return std::move(file).value();
}

bool PlaceDatabase::LoadCountryList(std::vector<CountryRecord> &countries)
{
    countries.clear();
    const std::optional<QByteArray> file = readOrReport(m_folder + QStringLiteral("/Country.txt"));
    if (!file)
        return false;

    CountryOrder order;
    qsizetype position = 0;
    while (position < file->size())
        order.add(CountryRecord::read(file->constData(), file->size(), position));
    countries = order.take();
    return true;
}

bool PlaceDatabase::LoadPlaces(std::vector<PlaceRecord> &places, const QString &countryCode,
                               const QString &searchText)
{
    places.clear();
    const QString key = MakeSortKey(searchText);
    if (key.isEmpty())
        return true;
    return readPlaceFile(countryCode, [&](const QString &text) { places = PlaceFile::readStretch(text, key.front()); });
}

bool PlaceDatabase::LoadAllPlaces(std::vector<PlaceRecord> &places, const QString &countryCode)
{
    places.clear();
    return readPlaceFile(countryCode, [&](const QString &text) { places = PlaceFile::readAll(text); });
}

bool PlaceDatabase::readPlaceFile(const QString &countryCode, const std::function<void(const QString &)> &use)
{
    if (countryCode.isEmpty())
        return true;
    // A code that could reach outside the folder names no place file of ours.
    const QString path = DatabaseFile::pathFor(m_folder, QStringLiteral("Orte_"), countryCode);
    if (path.isEmpty())
        return true;

    Result<QByteArray> file = DatabaseFile::read(path);
    if (file.status() == ResultStatus::Missing)
        return true;
    if (!file) {
        m_sink.showMessage(file.message());
        return false;
    }
    const QString text = Windows1252::toText(file->constData(), file->size());
    file.value() = QByteArray();
    use(text);
    return true;
}

void PlaceDatabase::LoadLastCountry(QString &country)
{
    QFile file(m_lastCountryFile);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!FileError::isMissing(m_lastCountryFile))
            m_sink.showMessage(FileError::message(m_lastCountryFile, file.error(), file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_sink.showMessage(FileError::message(m_lastCountryFile, file.error(), file.errorString()));
        return;
    }
    const std::optional<QString> name = ArchivedString::decode(bytes);
    if (!name) {
        m_sink.showMessage(FileError::message(m_lastCountryFile, QFileDevice::ReadError,
                                              tr("the file is damaged")));
        return;
    }
    country = *name;
}

void PlaceDatabase::SaveLastCountry(const QString &country, const FileWriter &writer)
{
    if (const Result<> written = writer.write(m_lastCountryFile, ArchivedString::encode(country)); !written)
        m_sink.showMessage(written.message());
}

const ZoneSection *PlaceDatabase::cachedSection(const QString &tableCode, int zone) const
{
    for (const ZoneSection &section : m_cache) {
        if (section.tableCode == tableCode && section.zone == zone)
            return &section;
    }
    return nullptr;
}

bool PlaceDatabase::LoadZoneSection(const QString &tableCode, int zone, std::vector<const TimeTableRow *> &rows)
{
    const ZoneSection *section = cachedSection(tableCode, zone);
    if (!section) {
        const QString path = DatabaseFile::pathFor(m_folder, QStringLiteral("Ttable_"), tableCode);
        if (path.isEmpty()) {
            // A code that could reach outside the folder is a table we cannot open.
            m_sink.showMessage(FileError::message(m_folder + QStringLiteral("/Ttable_") + tableCode + QStringLiteral(".txt"),
                                                  QFileDevice::OpenError, tr("invalid file name")));
            return false;
        }
        const std::optional<QByteArray> table = readOrReport(path);
        if (!table)
            return false;

        const auto startTexts =
            m_variant == Variant::Handheld ? ZoneSection::StartTexts::Handheld : ZoneSection::StartTexts::Desktop;
        Result<ZoneSection> read = ZoneSection::read(*table, path, tableCode, zone, startTexts);
        if (read.status() == ResultStatus::Missing)
            return true; // not cached: the next lookup reads the table again
        if (!read) {
            // The lookup fails without a message box, as it always has; the reason goes
            // to the diagnostics so that a damaged table can be found.
            m_sink.showDiagnostic(read.message());
            return false;
        }
        section = &m_cache.emplace_back(std::move(read).value());
    }
    for (const TimeTableRow &row : section->rows)
        rows.push_back(&row);
    return true;
}

bool PlaceDatabase::GetDeltaGMT(const DateTime &moment, const QString &tableCode, int zone, double &offset)
{
    if (tableCode.isEmpty())
        return true;
    if (!moment.isValid())
        return false;

    Handover current{tableCode, zone};
    QString designation;
    QString prefix; // US tables supply only the last letters of a designation
    for (int pass = 0;; ++pass) {
        if (pass == MaxPasses)
            return false; // the redirections go round in a circle
        const Handover asked = current;
        std::vector<const TimeTableRow *> rows;
        if (!LoadZoneSection(asked.tableCode, asked.zone, rows))
            return false;

        // The designation of the row in force, and the first row that starts later.
        qsizetype later = -1;
        for (qsizetype i = 0; i < qsizetype(rows.size()); ++i) {
            if (rows[i]->tableCode != asked.tableCode || rows[i]->zone != asked.zone)
                continue;
            designation = rows[i]->designation;
            if (rows[i]->startsAfter(moment)) {
                later = i;
                break;
            }
        }
        if (later < 0)
            break;

        const TimeTableRow *previous = later > 0 ? rows[later - 1] : nullptr;
        if (rows[later]->startsAtOpenEnd()) {
            // From the previous row's start on, the open-end row says where to go on.
            current = Handover::of(designation);
            if (m_variant == Variant::Handheld && previous && current.tableCode.size() >= 2
                && current.tableCode.startsWith(u"US")) {
                prefix = previous->designation;
                if (prefix.size() > 2)
                    prefix.chop(2);
            }
        } else {
            if (!previous || previous->tableCode != asked.tableCode || previous->zone != asked.zone)
                break;
            designation = previous->designation;
            // A row from the earliest moment on hands the time before the next row
            // over. (The desktop variant reads no earliest moments at all.)
            if (!previous->startsAtEarliest())
                break;
            current = Handover::of(designation);
        }
        if (current == asked)
            break;
    }
    return applyZoneOffset(prefix + designation, offset);
}

bool PlaceDatabase::GetClockChange(const DateTime &moment, const QString &tableCode, int zone,
                                   std::optional<ClockChange> &change)
{
    change.reset();
    // Clocks move by two hours at most, so the offsets three hours either side of the
    // moment are those on both sides of any change the moment can fall into.
    constexpr int Reach = 3 * 3600;
    const auto offsetAt = [&](int seconds, double &offset) {
        offset = 0.0;
        return GetDeltaGMT(shifted(moment, seconds), tableCode, zone, offset);
    };
    double before = 0.0;
    double after = 0.0;
    if (!offsetAt(-Reach, before) || !offsetAt(Reach, after))
        return false;
    if (before == after)
        return true;

    // The first second from which the later offset is in force. Time tables start the
    // later offset at the later of the change's two local readings, so the local times
    // that occur twice or never lie just before that second.
    int earlier = -Reach;
    int later = Reach;
    while (later - earlier > 1) {
        const int middle = earlier + (later - earlier) / 2;
        double offset = 0.0;
        if (!offsetAt(middle, offset))
            return false;
        (offset == after ? later : earlier) = middle;
    }
    const qint64 jump = qRound64((after - before) * 3600.0);
    if (later > 0 && later <= std::abs(jump))
        change = ClockChange{jump < 0 ? ClockChange::Kind::Repeated : ClockChange::Kind::Skipped, before, after};
    return true;
}

bool PlaceDatabase::applyZoneOffset(const QString &key, double &offset)
{
    if (!m_zoneOffsets) {
        const std::optional<QByteArray> zones = readOrReport(m_folder + QStringLiteral("/Zones.txt"));
        if (!zones)
            return false;
        m_zoneOffsets = ZoneFile::offsets(*zones);
    }
    if (const auto found = m_zoneOffsets->constFind(key); found != m_zoneOffsets->constEnd())
        offset = *found;
    return true;
}

} // namespace orvel
