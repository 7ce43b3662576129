#include "storage/AafFile.h"

#include "engine/CoordinateText.h"
#include "engine/PlaceDirectory.h"
#include "platform/FileError.h"
#include "platform/Windows1252.h"
#include "storage/AafCalendar.h"
#include "storage/AafChunks.h"
#include "storage/AafCountryChooser.h"
#include "storage/AafFileStream.h"
#include "storage/AafImporter.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace orvel {

namespace {

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

QString julianDayText(double value)
{
    return QString::asprintf("%.6f", value);
}

} // namespace

int AafFile::imported(const std::vector<AafEntry> &entries)
{
    return int(std::count_if(entries.begin(), entries.end(), [](const AafEntry &e) { return e.horoscope.has_value(); }));
}

std::vector<AafEntry> AafFile::read(const QByteArray &bytes, PlaceDirectory &places)
{
    const std::vector<AafRawRecord> raw = AafChunks::split(AafChunks::decode(bytes));
    std::vector<AafEntry> entries;
    if (raw.empty())
        return entries;
    AafImporter importer(places);
    entries.reserve(raw.size());
    for (const AafRawRecord &r : raw)
        entries.push_back(importer.read(r));
    return entries;
}

Result<std::vector<AafEntry>> AafFile::load(const QString &path, PlaceDirectory &places)
{
    std::vector<AafEntry> entries;
    AafFileStream stream(places, MaxFileSize);
    if (stream.open(path)) {
        for (AafEntry entry; stream.next(entry);)
            entries.push_back(std::move(entry));
    }
    if (!stream.error().isEmpty()) {
        return Result<std::vector<AafEntry>>::failed(
            FileError::isMissing(path) ? ResultStatus::Missing : ResultStatus::Failed, stream.error());
    }
    return entries;
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
            notes << tr("commas, '#' and line breaks cannot travel: written as ';' and blanks");

        QString code;
        for (const DirectoryCountry &c : countries) {
            if (c.name == h.country)
                code = AafCountryChooser::vehicleCode(c.code);
        }
        if (code.isEmpty() && !h.country.isEmpty())
            notes << tr("country '%1' is not in the place database: written as unknown").arg(h.country);

        const DateTime &b = h.birth;
        const CalendarDay day = AafCalendar::written(b);
        if (day != CalendarDay{b.year(), b.month(), b.day()})
            notes << tr("before 15.10.1582: written as the Julian date %1").arg(day.text());
        const QString time = b.second() ? QString::asprintf("%d:%02d:%02d", b.hour(), b.minute(), b.second())
                                        : QString::asprintf("%d:%02d", b.hour(), b.minute());
        const QStringList a93{AafChunks::field(last),
                              AafChunks::field(first),
                              QStringLiteral("*"),
                              day.text(),
                              time,
                              AafChunks::field(h.city),
                              AafChunks::field(code)};
        const auto angle = [](const QString &coordinate, const char *positive, const char *negative) {
            if (coordinate.trimmed().isEmpty())
                return QStringLiteral("*");
            const double value = parseCoordinateText(coordinate);
            return sexagesimal(value, QLatin1String(value < 0 ? negative : positive));
        };
        const QStringList b93{julianDayText(AafCalendar::julianDay(b.serialSeconds(), h.deltaGmt)),
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
                notes << tr("%1 characters outside Windows-1252 written as '?'").arg(unencodable);
        }
        entry.reason = notes.join(QStringLiteral("; "));
        entries.push_back(std::move(entry));
    }
    return bytes;
}

Result<std::vector<AafEntry>> AafFile::save(const QString &path, const std::vector<HoroscopeRecord> &horoscopes,
                                            PlaceDirectory &places, Encoding encoding, const FileWriter &writer)
{
    std::vector<AafEntry> entries;
    const Result<> written = writer.write(path, write(horoscopes, places, encoding, entries));
    return Result<std::vector<AafEntry>>::passOn(written, std::move(entries));
}

} // namespace orvel
