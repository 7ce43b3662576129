#include "storage/AafImporter.h"

#include "engine/CoordinateFormat.h"
#include "engine/CoordinateText.h"
#include "storage/AafRecordAssembler.h"

#include <cmath>

namespace orvel {

namespace {

// A Julian day and our local time and offset agree when they are this close.
constexpr double ToleranceSeconds = 1.0;
constexpr int Noon = 12 * 3600;

QString known(const QString &field)
{
    return AafFields::isUnknown(field) ? QString() : field;
}

// A time difference as people read it: seconds up to a day, days beyond.
QString seconds(double value)
{
    if (std::abs(value) < 86400)
        return AafImporter::tr("%1 s").arg(value, 0, 'f', 0);
    return AafImporter::tr("%1 days").arg(value / 86400, 0, 'f', 1);
}

} // namespace

AafImporter::AafImporter(PlaceDirectory &places) : m_places(places), m_finder(places), m_countries(places, m_finder) {}

AafImporter::Location AafImporter::location(const std::optional<QStringList> &b93, QStringList &notes)
{
    Location at;
    if (!b93)
        return at;
    if (b93->size() != 5) {
        notes << tr("#B93 has %1 fields, not 5, and was not used").arg(b93->size());
        return at;
    }
    const QStringList &b = *b93;
    const auto field = [&notes](const QString &text, const char *what, auto parse) {
        if (AafFields::isUnknown(text))
            return decltype(parse(text))();
        auto value = parse(text);
        if (!value)
            notes << tr("%1 '%2' not understood").arg(tr(what), text);
        return value;
    };
    at.julianDay = field(b[0], QT_TR_NOOP("Julian day"), AafFields::julianDay);
    at.latitude = field(b[1], QT_TR_NOOP("latitude"), AafFields::latitude);
    at.longitude = field(b[2], QT_TR_NOOP("longitude"), AafFields::longitude);
    at.zone = field(b[3], QT_TR_NOOP("zone difference"), AafFields::zone);
    at.daylight = AafFields::daylight(b[4]);
    at.daylightText = b[4];
    return at;
}

bool AafImporter::needsPlace(const Location &at)
{
    const bool hasZone = at.zone || (at.daylight.kind == AafDaylight::Kind::LocalMeanTime && at.longitude);
    return !hasZone || !at.latitude || !at.longitude || at.daylight.kind == AafDaylight::Kind::NotUnderstood;
}

void AafImporter::locate(HoroscopeRecord &h, Location &at, QStringList &notes)
{
    if (needsPlace(at))
        at.place = m_finder.find(h.country, h.city);
    const bool fileLatitude = at.latitude.has_value();
    const bool fileLongitude = at.longitude.has_value();
    if (at.place && !at.latitude)
        at.latitude = parseCoordinateText(at.place->latitude);
    if (at.place && !at.longitude)
        at.longitude = parseCoordinateText(at.place->longitude);
    if (!at.place && needsPlace(at)) {
        notes << (h.city.isEmpty()
                      ? tr("no city")
                      : tr("'%1' is not in the place database: kept as typed (Other)").arg(h.city));
    }
    // Coordinates from the database keep its text, as choosing the place would.
    const QString noText;
    h.latitude = fileLatitude ? CoordinateFormat::latitude(*at.latitude) : at.place ? at.place->latitude : noText;
    h.longitude = fileLongitude ? CoordinateFormat::longitude(*at.longitude) : at.place ? at.place->longitude : noText;
}

std::optional<AafImporter::Offset> AafImporter::offsetAt(const Location &at, const DateTime &local)
{
    const auto database = [&]() -> std::optional<Offset> {
        double value = 0;
        if (at.place && m_places.offsetAt(*at.place, local, value))
            return Offset{value, true};
        return std::nullopt;
    };
    if (at.daylight.kind == AafDaylight::Kind::NotUnderstood) {
        if (const std::optional<Offset> offset = database())
            return offset;
    }
    if (at.zone)
        return Offset{*at.zone + at.daylight.hours};
    if (at.daylight.kind == AafDaylight::Kind::LocalMeanTime && at.longitude)
        return Offset{*at.longitude / 15.0};
    return database();
}

std::optional<DateTime> AafImporter::calendarDate(const QString &field, const AafDateReading &reading,
                                                  std::optional<int> time, const Location &at, QStringList &notes)
{
    // Earlier versions of this program wrote days before the reform as Gregorian
    // dates without a mark; their Julian day tells them apart to the second.
    if (reading.gregorianReading.isValid() && at.julianDay && time) {
        const std::int64_t local = reading.gregorianReading.serialSeconds() + *time;
        const std::optional<Offset> offset = offsetAt(at, DateTime::fromSerialSeconds(local));
        const auto difference = [&](double hours) { return AafCalendar::julianDay(local, hours) - *at.julianDay; };
        if (offset && std::abs(difference(offset->hours)) * 86400.0 <= ToleranceSeconds) {
            notes << tr("'%1' read as a Gregorian date, as its Julian day says").arg(field);
            return reading.gregorianReading;
        }
    }
    if (!reading.date.isValid())
        return std::nullopt;
    if (!reading.note.isEmpty())
        notes << QStringLiteral("'%1' %2").arg(field, reading.note);
    return reading.date;
}

double AafImporter::deltaGmt(const Location &at, std::int64_t local, std::optional<int> time, QStringList &notes)
{
    std::optional<Offset> offset = offsetAt(at, DateTime::fromSerialSeconds(local));
    if (at.daylight.kind == AafDaylight::Kind::NotUnderstood)
        notes << (offset && offset->fromDatabase
                      ? tr("daylight saving '%1' not understood: offset taken from the place database")
                      : tr("daylight saving '%1' not understood, taken as 0"))
                     .arg(at.daylightText);
    if (!offset && at.julianDay && time) {
        const double implied = AafCalendar::impliedOffset(local, *at.julianDay);
        if (std::abs(implied) <= AafFields::MaxOffsetHours) {
            offset = Offset{implied};
            notes << tr("offset taken from the Julian day");
        }
    }
    if (!offset)
        notes << tr("no time zone: Delta_GMT 0 taken");
    return offset ? offset->hours : 0.0;
}

std::int64_t AafImporter::birth(std::int64_t midnight, std::optional<int> time, const Location &at, double deltaGmt,
                                QStringList &notes) const
{
    if (time)
        return midnight + *time;
    if (!at.julianDay) {
        notes << tr("birth time unknown: 12:00 taken");
        return midnight + Noon;
    }
    const std::int64_t local = std::llround(AafCalendar::localSeconds(*at.julianDay, deltaGmt));
    if (DateTime::fromSerialSeconds(local).isValid() && local / 86400 == midnight / 86400) {
        notes << tr("time taken from the Julian day");
        return local;
    }
    notes << tr("the Julian day falls on another date; birth time unknown, 12:00 taken");
    return midnight + Noon;
}

void AafImporter::checkJulianDay(HoroscopeRecord &h, std::int64_t local, const Location &at, QStringList &notes)
{
    if (!at.julianDay)
        return;
    const double difference = (AafCalendar::julianDay(local, h.deltaGmt) - *at.julianDay) * 86400.0;
    if (std::abs(difference) <= ToleranceSeconds)
        return;
    // The Julian day is the authority where the two disagree, as long as the offset
    // it implies is one that exists.
    const double implied = AafCalendar::impliedOffset(local, *at.julianDay);
    if (std::abs(implied) <= AafFields::MaxOffsetHours) {
        notes << tr("the Julian day differs by %1 from date, time and zone; Delta_GMT set to match it")
                     .arg(seconds(difference));
        h.deltaGmt = implied;
    } else {
        notes << tr("the Julian day differs by %1 from date, time and zone; they were kept")
                     .arg(seconds(difference));
    }
}

AafEntry AafImporter::read(const AafRawRecord &raw)
{
    AafEntry entry;
    entry.record = raw.number;
    auto skip = [&entry](const QString &reason) {
        entry.reason = reason;
        return entry;
    };
    if (raw.a93.isEmpty())
        return skip(tr("#B93 on line %1 without #A93 before it").arg(raw.line));
    const QStringList &a = raw.a93;
    entry.name = known(a[0]);
    if (a.size() != 7)
        return skip(tr("#A93 has %1 fields, not 7").arg(a.size()));
    if (!AafFields::isUnknown(a[1]))
        entry.name = AafFields::isUnknown(a[0]) ? a[1] : a[1] + u' ' + a[0];

    const std::optional<AafWrittenDate> written = AafFields::date(a[3]);
    if (!written)
        return skip(tr("'%1' is no date from 1.1.100 to 31.12.9999").arg(a[3]));
    const AafDateReading reading = AafCalendar::read(*written);
    if (!reading.date.isValid() && !reading.gregorianReading.isValid())
        return skip(QStringLiteral("'%1' %2").arg(a[3], reading.problem));
    std::optional<int> time;
    if (!AafFields::isUnknown(a[4])) {
        time = AafFields::time(a[4]);
        if (!time)
            return skip(tr("'%1' is no time of day").arg(a[4]));
    }

    QStringList notes;
    Location at = location(raw.b93, notes);
    HoroscopeRecord h;
    h.name = entry.name;
    h.city = known(a[5]);
    const AafCountryChooser::Choice country = m_countries.choose(a[6], h.city, at.latitude, at.longitude);
    h.country = country.name;
    if (!country.note.isEmpty())
        notes << country.note;
    locate(h, at, notes);

    const std::optional<DateTime> date = calendarDate(a[3], reading, time, at, notes);
    if (!date)
        return skip(QStringLiteral("'%1' %2").arg(a[3], reading.problem));
    const std::int64_t midnight = date->serialSeconds();
    h.deltaGmt = deltaGmt(at, midnight + time.value_or(Noon), time, notes);
    const std::int64_t local = birth(midnight, time, at, h.deltaGmt, notes);
    h.birth = DateTime::fromSerialSeconds(local);
    checkJulianDay(h, local, at, notes);

    entry.horoscope = h;
    entry.reason = notes.join(QStringLiteral("; "));
    return entry;
}

} // namespace orvel
