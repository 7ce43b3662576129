#include "storage/HoroscopeFile.h"

#include "storage/XmlDocument.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace orvel {

namespace {

const QString RootTag = QStringLiteral("Orvel_Horoskop");
const QString RecordTag = QStringLiteral("Horoskop");
const QString NameTag = QStringLiteral("Name");
const QString DateTag = QStringLiteral("Date");
const QString CityTag = QStringLiteral("City");
const QString CountryTag = QStringLiteral("Country");
const QString LatitudeTag = QStringLiteral("Latitude");
const QString LongitudeTag = QStringLiteral("Longitude");
const QString DeltaGmtTag = QStringLiteral("Delta_GMT");

struct TextField {
    const QString &tag;
    QString HoroscopeRecord::*field;
};
const TextField TextFields[] = {{NameTag, &HoroscopeRecord::name},
                                {CityTag, &HoroscopeRecord::city},
                                {CountryTag, &HoroscopeRecord::country},
                                {LatitudeTag, &HoroscopeRecord::latitude},
                                {LongitudeTag, &HoroscopeRecord::longitude}};

// A decimal number as the C library's strtod reads it in the "C" locale: leading
// blanks, optional sign, digits with a full stop, optional exponent; whatever follows
// is ignored ("5,75" is 5). No number gives 0; so do infinities, NaN and values out of
// range, which no offset from universal time can be.
double hoursValue(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    const char *p = latin.constData();
    const char *end = p + latin.size();
    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    if (p == end || *p == '-' || *p == '+')
        return 0.0;
    double value = 0.0;
    const auto [next, error] = std::from_chars(p, end, value, std::chars_format::general);
    if (next == p || error != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

// The record an element describes, or why the loader drops it (a short or impossible Date).
HoroscopeFile::Element readElement(const QDomElement &element, const DateTime &now)
{
    HoroscopeRecord record = HoroscopeRecord::createDefault(now);
    QString error;
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        HoroscopeFile::readChild(child.tagName(), XmlDocument::text(child), record, error);
    if (!error.isEmpty())
        return {record.name, std::nullopt, error};
    return {record.name, record, QString()};
}

} // namespace

void HoroscopeFile::readChild(const QString &tag, const QString &text, HoroscopeRecord &record, QString &error)
{
    if (tag == DateTag) {
        record.birth = DateTime::fromText(text);
        if (!record.birth.isValid() && error.isEmpty())
            error = tr("Date '%1' is not a date \"DD.MM.YYYY HH:MM:SS\" of the years 100 to 9999").arg(text);
    } else if (tag == DeltaGmtTag) {
        record.deltaGmt = hoursValue(text);
    } else {
        for (const TextField &f : TextFields) {
            if (tag == f.tag)
                record.*f.field = text;
        }
    }
}

std::vector<HoroscopeRecord> HoroscopeFile::Reading::records() const
{
    std::vector<HoroscopeRecord> records;
    for (const Element &e : elements) {
        if (e.record)
            records.push_back(*e.record);
    }
    return records;
}

Result<HoroscopeFile::Reading> HoroscopeFile::read(const QString &path, const DateTime &now)
{
    XmlDocument document;
    const Result<FileDamage> file = document.read(path);
    Reading reading;
    reading.damage = file.value();
    document.walk([&](const QDomElement &element) {
        if (element.tagName() != RecordTag)
            return true;
        if (document.isComplete(element)) {
            Element e = readElement(element, now);
            if (e.record)
                ++reading.damage.read;
            else
                reading.damage.skipped.append(tr("\"%1\" at character %2: %3")
                                                  .arg(e.name)
                                                  .arg(document.offset(element))
                                                  .arg(e.error));
            reading.elements.push_back(std::move(e));
        }
        return false;
    });
    return FileDamage::answer(file, FileDamage::Items::Horoscopes, std::move(reading), file.diagnostics());
}

Result<std::vector<HoroscopeFile::Element>> HoroscopeFile::loadElements(const QString &path, const DateTime &now)
{
    Result<Reading> reading = read(path, now);
    // Records the loader drops do not fail the load; a file that does not parse does.
    if (reading.status() == ResultStatus::Missing || reading->damage.brokenAt)
        return Result<std::vector<Element>>::passOn(reading);
    return std::move(reading->elements);
}

Result<std::vector<HoroscopeRecord>> HoroscopeFile::load(const QString &path, const DateTime &now)
{
    const Result<std::vector<Element>> elements = loadElements(path, now);
    if (!elements)
        return Result<std::vector<HoroscopeRecord>>::passOn(elements);
    return Reading{elements.value(), {}}.records();
}

Result<> HoroscopeFile::save(const QString &path, const std::vector<HoroscopeRecord> &records, const FileWriter &writer)
{
    XmlDocument document;
    QDomElement root = document.createRoot(RootTag);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const HoroscopeRecord &r = records[i];
        QDomElement element = document.appendElement(root, RecordTag);
        document.appendTextElement(element, NameTag, r.name);
        document.appendTextElement(element, DateTag, r.birth.toText());
        document.appendTextElement(element, CityTag, r.city);
        document.appendTextElement(element, CountryTag, r.country);
        document.appendTextElement(element, LatitudeTag, r.latitude);
        document.appendTextElement(element, LongitudeTag, r.longitude);
        document.appendTextElement(element, DeltaGmtTag, QString::asprintf("%.4f", r.deltaGmt));
        XmlDocument::setIntAttribute(element, QStringLiteral("ID"), static_cast<int>(i));
    }
    return document.save(path, writer);
}

} // namespace orvel
