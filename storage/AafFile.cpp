#include "storage/AafFile.h"

#include "engine/CoordinateFormat.h"
#include "engine/CoordinateText.h"
#include "engine/PlaceDirectory.h"
#include "platform/FileError.h"
#include "platform/Windows1252.h"
#include "storage/AafChunks.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <cmath>

namespace orvel {

namespace {

// The Julian day of 0001-01-01 00:00 UT, where DateTime's serial seconds start.
constexpr double SerialEpochJulianDay = 1721425.5;
// A Julian day and our local time and offset agree when they are this close.
constexpr double ToleranceSeconds = 1.0;
// No civil offset from universal time is larger; a Julian day that would need one
// disagrees with the date itself.
constexpr double MaxOffsetHours = 15.0;

bool isUnknown(const QString &field)
{
    return field.isEmpty() || field == u"*";
}

QString known(const QString &field)
{
    return isUnknown(field) ? QString() : field;
}

// A run of decimal digits only, as a number; nothing for anything else.
std::optional<int> digits(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (!c.isDigit() || c.unicode() > 0x7F)
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// Up to three numbers separated by `separator`: "27.9.1970", "11:04", "21:48".
std::optional<std::vector<int>> numbers(QStringView text, QChar separator, qsizetype least, qsizetype most)
{
    const QList<QStringView> parts = text.split(separator);
    if (parts.size() < least || parts.size() > most)
        return std::nullopt;
    std::vector<int> values;
    for (const QStringView part : parts) {
        const std::optional<int> value = digits(part.trimmed());
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::optional<DateTime> parseDate(const QString &text)
{
    const auto d = numbers(text, u'.', 3, 3);
    if (!d)
        return std::nullopt;
    const DateTime date((*d)[2], (*d)[1], (*d)[0]);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// "11:04" or "11:04:30" as seconds of the day.
std::optional<int> parseTime(const QString &text)
{
    const auto t = numbers(text, u':', 2, 3);
    if (!t || (*t)[0] > 23 || (*t)[1] > 59 || (t->size() == 3 && (*t)[2] > 59))
        return std::nullopt;
    return (*t)[0] * 3600 + (*t)[1] * 60 + (t->size() == 3 ? (*t)[2] : 0);
}

// "49n05", "8e11:30", "122w25" as signed degrees within `limit`.
std::optional<double> parseAngle(const QString &text, QChar positive, QChar negative, int limit)
{
    const QString lower = text.toLower();
    qsizetype at = lower.indexOf(positive);
    const bool isNegative = at < 0;
    if (isNegative)
        at = lower.indexOf(negative);
    if (at <= 0)
        return std::nullopt;
    const std::optional<int> degrees = digits(QStringView(lower).first(at));
    const auto rest = numbers(QStringView(lower).sliced(at + 1), u':', 1, 2);
    if (!degrees || !rest || (*rest)[0] > 59 || (rest->size() == 2 && (*rest)[1] > 59))
        return std::nullopt;
    const double value = *degrees + (*rest)[0] / 60.0 + (rest->size() == 2 ? (*rest)[1] / 3600.0 : 0.0);
    if (value > limit)
        return std::nullopt;
    return isNegative ? -value : value;
}

// The zone difference "1he00", "1he", "5hw", "0e21:48": hours east of Greenwich.
std::optional<double> parseZone(const QString &text)
{
    const QString lower = text.toLower();
    qsizetype at = lower.indexOf(u'e');
    const bool west = at < 0;
    if (west)
        at = lower.indexOf(u'w');
    if (at <= 0)
        return std::nullopt;
    QStringView hoursText = QStringView(lower).first(at);
    if (hoursText.endsWith(u'h'))
        hoursText.chop(1);
    const std::optional<int> hours = digits(hoursText);
    const QStringView rest = QStringView(lower).sliced(at + 1);
    std::vector<int> parts{0};
    if (!rest.isEmpty()) {
        const auto r = numbers(rest, u':', 1, 2);
        if (!r)
            return std::nullopt;
        parts = *r;
    }
    if (!hours || parts[0] > 59 || (parts.size() == 2 && parts[1] > 59))
        return std::nullopt;
    const double value = *hours + parts[0] / 60.0 + (parts.size() == 2 ? parts[1] / 3600.0 : 0.0);
    if (value > MaxOffsetHours)
        return std::nullopt;
    return west ? -value : value;
}

// Degrees or hours, minutes and, when not zero, seconds of `value` as
// "<whole><letters>MM[:SS]": "49n05", "8e11:30", "1he00".
QString sexagesimal(double value, const QString &letters)
{
    const long long seconds = std::llround(std::abs(value) * 3600);
    QString text = QStringLiteral("%1%2%3").arg(seconds / 3600).arg(letters).arg(seconds / 60 % 60, 2, 10, QChar(u'0'));
    if (seconds % 60)
        text += QStringLiteral(":%1").arg(seconds % 60, 2, 10, QChar(u'0'));
    return text;
}

double julianDay(std::int64_t serialSeconds, double offsetHours)
{
    return SerialEpochJulianDay + (double(serialSeconds) - offsetHours * 3600.0) / 86400.0;
}

// A time difference as people read it: seconds up to a day, days beyond.
QString seconds(double value)
{
    if (std::abs(value) < 86400)
        return QStringLiteral("%1 s").arg(value, 0, 'f', 0);
    return QStringLiteral("%1 days").arg(value / 86400, 0, 'f', 1);
}

bool isBritish(const QString &code)
{
    return code == u"GBE" || code == u"SCO" || code == u"WL" || code == u"NIR";
}

bool isState(const QString &code)
{
    return code.size() == 4 && code.startsWith(u"US");
}

// One file's records turned into horoscopes against the place database.
class Importer {
public:
    explicit Importer(PlaceDirectory &places) : m_places(places), m_countries(places.countries()) {}

    AafEntry read(const AafRawRecord &raw);

private:
    struct Reading {
        QStringList notes;
        std::optional<double> latitude;
        std::optional<double> longitude;
    };

    // The codes of our database that an AAF country code stands for.
    std::vector<DirectoryCountry> candidates(const QString &aafCode) const;
    QString country(const QString &aafCode, const QString &city, Reading &r);
    std::optional<ChartPlace> place(const QString &country, const QString &city);

    PlaceDirectory &m_places;
    std::vector<DirectoryCountry> m_countries;
    // Every place asked for, by country and name: a record's city is looked up when its
    // country is chosen and again for its zone, and files repeat their cities.
    QHash<QString, std::optional<ChartPlace>> m_found;
};

std::vector<DirectoryCountry> Importer::candidates(const QString &aafCode) const
{
    const QString code = aafCode.toUpper();
    std::vector<DirectoryCountry> found;
    for (const DirectoryCountry &c : m_countries) {
        const bool match = code == u"GB" || code == u"UK" ? isBritish(c.code)
            : code == u"USA" || code == u"US"            ? isState(c.code)
            : code == u"WL"                              ? c.code == u"LCA"
                                                         : c.code.compare(code, Qt::CaseInsensitive) == 0;
        if (match)
            found.push_back(c);
    }
    return found;
}

std::optional<ChartPlace> Importer::place(const QString &country, const QString &city)
{
    if (country.isEmpty() || city.isEmpty())
        return std::nullopt;
    // Files often add the region to the city: "Kandel/Pfalz", "Paris (75)".
    QStringList names{city};
    for (const QChar separator : {u'/', u'('}) {
        const QString head = city.section(separator, 0, 0).trimmed();
        if (!head.isEmpty() && !names.contains(head))
            names.append(head);
    }
    for (const QString &name : names) {
        const QString key = country + u'\n' + name;
        auto found = m_found.constFind(key);
        if (found == m_found.cend())
            found = m_found.insert(key, m_places.findPlace(country, name));
        if (*found)
            return *found;
    }
    return std::nullopt;
}

QString Importer::country(const QString &aafCode, const QString &city, Reading &r)
{
    if (isUnknown(aafCode)) {
        r.notes << QStringLiteral("no country code");
        return {};
    }
    const std::vector<DirectoryCountry> list = candidates(aafCode);
    if (list.empty()) {
        r.notes << QStringLiteral("unknown country code '%1'").arg(aafCode);
        return {};
    }
    if (list.size() == 1)
        return list.front().name;
    // A country our database divides: the part with the nearest place, else the part
    // that knows the city.
    if (r.latitude && r.longitude) {
        QString best;
        double bestDistance = 0;
        for (const DirectoryCountry &c : list) {
            const std::optional<double> distance = m_places.nearestPlaceKm(c.code, *r.latitude, *r.longitude);
            if (distance && (best.isEmpty() || *distance < bestDistance)) {
                best = c.name;
                bestDistance = *distance;
            }
        }
        if (!best.isEmpty())
            return best;
    }
    for (const DirectoryCountry &c : list) {
        if (place(c.name, city))
            return c.name;
    }
    r.notes << QStringLiteral("country code '%1' names several countries of the place database and neither "
                              "coordinates nor the city tell which")
                   .arg(aafCode);
    return {};
}

AafEntry Importer::read(const AafRawRecord &raw)
{
    AafEntry entry;
    entry.record = raw.number;
    auto skip = [&entry](const QString &reason) {
        entry.reason = reason;
        return entry;
    };
    if (raw.a93.isEmpty())
        return skip(QStringLiteral("#B93 on line %1 without #A93 before it").arg(raw.line));
    const QStringList &a = raw.a93;
    entry.name = known(a[0]);
    if (a.size() != 7)
        return skip(QStringLiteral("#A93 has %1 fields, not 7").arg(a.size()));
    if (!isUnknown(a[1]))
        entry.name = isUnknown(a[0]) ? a[1] : a[1] + u' ' + a[0];

    const std::optional<DateTime> date = parseDate(a[3]);
    if (!date)
        return skip(QStringLiteral("'%1' is no date from 1.1.100 to 31.12.9999").arg(a[3]));
    std::optional<int> time;
    if (!isUnknown(a[4])) {
        time = parseTime(a[4]);
        if (!time)
            return skip(QStringLiteral("'%1' is no time of day").arg(a[4]));
    }

    Reading r;
    std::optional<double> julian;
    std::optional<double> zone;
    double daylight = 0;
    bool localMeanTime = false;
    if (raw.b93 && raw.b93->size() != 5) {
        r.notes << QStringLiteral("#B93 has %1 fields, not 5, and was not used").arg(raw.b93->size());
    } else if (raw.b93) {
        const QStringList &b = *raw.b93;
        auto field = [&r](const QString &text, const QString &what, auto parse) {
            if (isUnknown(text))
                return decltype(parse(text))();
            auto value = parse(text);
            if (!value)
                r.notes << QStringLiteral("%1 '%2' not understood").arg(what, text);
            return value;
        };
        julian = field(b[0], QStringLiteral("Julian day"), [](const QString &t) -> std::optional<double> {
            bool ok = false;
            const double v = t.toDouble(&ok);
            // The Julian days of the years 100 to 9999.
            return ok && v > 1757583.5 && v < 5373484.5 ? std::optional(v) : std::nullopt;
        });
        r.latitude = field(b[1], QStringLiteral("latitude"), [](const QString &t) { return parseAngle(t, u'n', u's', 90); });
        r.longitude = field(b[2], QStringLiteral("longitude"), [](const QString &t) { return parseAngle(t, u'e', u'w', 180); });
        zone = field(b[3], QStringLiteral("zone difference"), parseZone);
        if (b[4].compare(u"L", Qt::CaseInsensitive) == 0) {
            localMeanTime = true;
        } else if (!isUnknown(b[4])) {
            bool ok = false;
            daylight = b[4].toDouble(&ok);
            if (!ok || !std::isfinite(daylight) || std::abs(daylight) > 3) {
                r.notes << QStringLiteral("daylight saving '%1' not understood, taken as 0").arg(b[4]);
                daylight = 0;
            }
        }
    }

    HoroscopeRecord h;
    h.name = entry.name;
    h.city = known(a[5]);
    h.country = country(a[6], h.city, r);

    // The place database fills in what the file lacks: coordinates and the zone.
    const bool hasZone = zone || (localMeanTime && r.longitude);
    const std::optional<ChartPlace> found =
        !hasZone || !r.latitude || !r.longitude ? place(h.country, h.city) : std::nullopt;
    const bool fileLatitude = r.latitude.has_value();
    const bool fileLongitude = r.longitude.has_value();
    if (found && !r.latitude)
        r.latitude = parseCoordinateText(found->latitude);
    if (found && !r.longitude)
        r.longitude = parseCoordinateText(found->longitude);
    if (!found && (!hasZone || !r.latitude || !r.longitude))
        r.notes << (h.city.isEmpty() ? QStringLiteral("no city")
                                     : QStringLiteral("'%1' is not in the place database: kept as typed (Other)").arg(h.city));
    // Coordinates from the database keep its text, as choosing the place would.
    h.latitude = fileLatitude ? CoordinateFormat::latitude(*r.latitude) : found ? found->latitude : QString();
    h.longitude = fileLongitude ? CoordinateFormat::longitude(*r.longitude) : found ? found->longitude : QString();

    // The local time: as written, else from the Julian day once the offset is known,
    // else noon.
    const std::int64_t midnight = date->serialSeconds();
    std::int64_t local = midnight + time.value_or(12 * 3600);
    const DateTime provisional = DateTime::fromSerialSeconds(local);
    std::optional<double> offset;
    if (zone) {
        offset = *zone + daylight;
    } else if (localMeanTime && r.longitude) {
        offset = *r.longitude / 15.0;
    } else if (found) {
        double value = 0;
        if (m_places.offsetAt(*found, provisional, value))
            offset = value;
    }
    if (!offset && julian && time) {
        const double implied = (midnight + *time - (*julian - SerialEpochJulianDay) * 86400.0) / 3600.0;
        if (std::abs(implied) <= MaxOffsetHours) {
            offset = implied;
            r.notes << QStringLiteral("offset taken from the Julian day");
        }
    }
    if (!offset)
        r.notes << QStringLiteral("no time zone: Delta_GMT 0 taken");
    h.deltaGmt = offset.value_or(0.0);

    if (!time && julian) {
        local = std::llround((*julian - SerialEpochJulianDay) * 86400.0 + h.deltaGmt * 3600.0);
        if (DateTime::fromSerialSeconds(local).isValid() && local / 86400 == midnight / 86400) {
            r.notes << QStringLiteral("time taken from the Julian day");
        } else {
            r.notes << QStringLiteral("the Julian day falls on another date; birth time unknown, 12:00 taken");
            local = midnight + 12 * 3600;
        }
    } else if (!time) {
        r.notes << QStringLiteral("birth time unknown: 12:00 taken");
    }
    h.birth = DateTime::fromSerialSeconds(local);

    if (julian) {
        const double difference = (julianDay(local, h.deltaGmt) - *julian) * 86400.0;
        if (std::abs(difference) > ToleranceSeconds) {
            // The Julian day is the authority where the two disagree, as long as the
            // offset it implies is one that exists.
            const double implied = (double(local) - (*julian - SerialEpochJulianDay) * 86400.0) / 3600.0;
            if (std::abs(implied) <= MaxOffsetHours) {
                r.notes << QStringLiteral("the Julian day differs by %1 from date, time and zone; Delta_GMT set to "
                                          "match it")
                               .arg(seconds(difference));
                h.deltaGmt = implied;
            } else {
                r.notes << QStringLiteral("the Julian day differs by %1 from date, time and zone; they were kept")
                               .arg(seconds(difference));
            }
        }
    }
    entry.horoscope = h;
    entry.reason = r.notes.join(QStringLiteral("; "));
    return entry;
}

QString julianDayText(double value)
{
    return QString::asprintf("%.6f", value);
}

} // namespace

int AafFile::Loaded::imported() const
{
    int count = 0;
    for (const AafEntry &e : entries)
        count += e.horoscope ? 1 : 0;
    return count;
}

std::vector<AafEntry> AafFile::read(const QByteArray &bytes, PlaceDirectory &places)
{
    const std::vector<AafRawRecord> raw = AafChunks::split(AafChunks::decode(bytes));
    std::vector<AafEntry> entries;
    if (raw.empty())
        return entries;
    Importer importer(places);
    entries.reserve(raw.size());
    for (const AafRawRecord &r : raw)
        entries.push_back(importer.read(r));
    return entries;
}

AafFile::Loaded AafFile::load(const QString &path, PlaceDirectory &places)
{
    Loaded loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = FileError::message(path, file.error(), file.errorString());
        return loaded;
    }
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        loaded.error = FileError::message(path, file.error(), file.errorString());
        return loaded;
    }
    if (bytes.size() > MaxFileSize) {
        loaded.error = QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(MaxFileSize);
        return loaded;
    }
    loaded.entries = read(bytes, places);
    if (loaded.entries.empty()) {
        loaded.error = QStringLiteral("%1 holds no AAF record (#A93)").arg(path);
        return loaded;
    }
    loaded.ok = true;
    return loaded;
}

QByteArray AafFile::write(const std::vector<HoroscopeRecord> &horoscopes, PlaceDirectory &places, Encoding encoding,
                          std::vector<AafEntry> &entries)
{
    const std::vector<DirectoryCountry> countries = places.countries();
    QByteArray bytes;
    entries.clear();
    for (std::size_t i = 0; i < horoscopes.size(); ++i) {
        const HoroscopeRecord &h = horoscopes[i];
        AafEntry entry;
        entry.record = int(i) + 1;
        entry.name = h.name;
        QStringList notes;

        // "First Last": the last word is the name, the words before it the first name.
        const QString name = h.name.trimmed();
        const qsizetype space = name.lastIndexOf(u' ');
        const QString last = space < 0 ? name : name.mid(space + 1);
        const QString first = space < 0 ? QString() : name.left(space).trimmed();

        static const QRegularExpression breaksField(QStringLiteral("[,#\\r\\n]"));
        if (h.name.contains(breaksField) || h.city.contains(breaksField))
            notes << QStringLiteral("commas, '#' and line breaks cannot travel: written as ';' and blanks");

        QString code;
        for (const DirectoryCountry &c : countries) {
            if (c.name == h.country)
                code = isBritish(c.code) ? QStringLiteral("GB")
                    : isState(c.code)    ? QStringLiteral("USA")
                    : c.code == u"LCA"   ? QStringLiteral("WL")
                                         : c.code;
        }
        if (code.isEmpty() && !h.country.isEmpty())
            notes << QStringLiteral("country '%1' is not in the place database: written as unknown").arg(h.country);

        const DateTime &b = h.birth;
        const QString time = b.second() ? QString::asprintf("%d:%02d:%02d", b.hour(), b.minute(), b.second())
                                        : QString::asprintf("%d:%02d", b.hour(), b.minute());
        const QStringList a93{AafChunks::field(last),
                              AafChunks::field(first),
                              QStringLiteral("*"),
                              QString::asprintf("%d.%d.%d", b.day(), b.month(), b.year()),
                              time,
                              AafChunks::field(h.city),
                              AafChunks::field(code)};
        const auto angle = [](const QString &coordinate, const char *positive, const char *negative) {
            if (coordinate.trimmed().isEmpty())
                return QStringLiteral("*");
            const double value = parseCoordinateText(coordinate);
            return sexagesimal(value, QLatin1String(value < 0 ? negative : positive));
        };
        const QStringList b93{julianDayText(julianDay(b.serialSeconds(), h.deltaGmt)),
                              angle(h.latitude, "n", "s"),
                              angle(h.longitude, "e", "w"),
                              sexagesimal(h.deltaGmt, QLatin1String(h.deltaGmt < 0 ? "hw" : "he")),
                              QStringLiteral("0")};
        const QString record = QStringLiteral("#A93:") + a93.join(u',') + QStringLiteral("\r\n#B93:") + b93.join(u',')
            + QStringLiteral("\r\n");
        if (encoding == Encoding::Utf8) {
            bytes += record.toUtf8();
        } else {
            qsizetype unencodable = 0;
            bytes += Windows1252::fromText(record, &unencodable);
            if (unencodable > 0)
                notes << QStringLiteral("%1 characters outside Windows-1252 written as '?'").arg(unencodable);
        }
        entry.reason = notes.join(QStringLiteral("; "));
        entries.push_back(std::move(entry));
    }
    return bytes;
}

AafFile::Saved AafFile::save(const QString &path, const std::vector<HoroscopeRecord> &horoscopes,
                             PlaceDirectory &places, Encoding encoding)
{
    Saved saved;
    saved.file = AtomicFileWriter::write(path, write(horoscopes, places, encoding, saved.entries));
    return saved;
}

} // namespace orvel
