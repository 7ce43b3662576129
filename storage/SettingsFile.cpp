#include "storage/SettingsFile.h"

#include "platform/DateTime.h"
#include "storage/XmlDocument.h"

#include <algorithm>

namespace orvel {

namespace {

// Tuning values (planet values, orbs, the ruler bonus) are integers the user types:
// kept within -99 to 99, negative ones as they are.
enum class Format { Flag, Integer, Tuning, Colour };
constexpr int TuningMin = -99;
constexpr int TuningMax = 99;

// One key of the file. Single values have no index; arrays are addressed by Index, the
// orb table by Index1 and Index2. The accessor is writable because loading and saving
// share it.
struct Key {
    const char *name;
    Format format;
    int count1; // entries addressed by Index (or Index1); 0 for a single value
    int count2; // entries addressed by Index2; 0 without a second index
    int &(*field)(ChartSettings &, int index1, int index2);
};

// In the order the file is written.
const Key Keys[] = {
    {"Hide_Houses", Format::Flag, 0, 0, [](ChartSettings &s, int, int) -> int & { return s.hideHouses; }},
    {"Hide_Aspects", Format::Flag, 0, 0, [](ChartSettings &s, int, int) -> int & { return s.hideAspects; }},
    {"House_System", Format::Integer, 0, 0, [](ChartSettings &s, int, int) -> int & { return s.houseSystem; }},
    {"Punkten_Bewerten", Format::Tuning, 0, 0, [](ChartSettings &s, int, int) -> int & { return s.rulerBonus; }},
    {"Bewertung", Format::Flag, 0, 0, [](ChartSettings &s, int, int) -> int & { return s.scoringSwitch; }},
    {"Planet_Wert", Format::Tuning, PointCount, 0,
     [](ChartSettings &s, int i, int) -> int & { return s.planetValues[i]; }},
    {"Planet_Farbe", Format::Colour, PointCount, 0,
     [](ChartSettings &s, int i, int) -> int & { return s.planetColours[i]; }},
    {"Planet_Sign", Format::Integer, PointCount, 0,
     [](ChartSettings &s, int i, int) -> int & { return s.planetGlyphs[i]; }},
    {"Element_Farbe", Format::Colour, ElementCount, 0,
     [](ChartSettings &s, int i, int) -> int & { return s.elementColours[i]; }},
    {"Tier_Sign", Format::Integer, SignCount, 0, [](ChartSettings &s, int i, int) -> int & { return s.signGlyphs[i]; }},
    {"Asp_Grad", Format::Integer, AspectKindCount, 0,
     [](ChartSettings &s, int i, int) -> int & { return s.aspectAngles[i]; }},
    {"Asp_Sign", Format::Integer, AspectKindCount, 0,
     [](ChartSettings &s, int i, int) -> int & { return s.aspectGlyphs[i]; }},
    {"Asp_Farbe", Format::Colour, AspectKindCount, 0,
     [](ChartSettings &s, int i, int) -> int & { return s.aspectColours[i]; }},
    {"Radix_Orbis", Format::Tuning, PointCount, AspectKindCount,
     [](ChartSettings &s, int i, int j) -> int & { return s.orbs[i][j]; }},
};

const QString IndexAttribute = QStringLiteral("Index");
const QString Index1Attribute = QStringLiteral("Index1");
const QString Index2Attribute = QStringLiteral("Index2");

const Key *findKey(const QString &name)
{
    const auto it = std::find_if(std::begin(Keys), std::end(Keys), [&name](const Key &k) { return name == QLatin1StringView(k.name); });
    return it == std::end(Keys) ? nullptr : it;
}

// "RGB(r, g, b)": red is the digits before the first comma, green the number after it,
// blue the number after the second; each part keeps its low 8 bits. Without a comma
// the colour is black.
Colour colourValue(const QString &text)
{
    const qsizetype first = text.indexOf(u',');
    if (first < 0)
        return 0;
    QString redDigits;
    for (const QChar c : QStringView(text).left(first)) {
        if (c >= u'0' && c <= u'9')
            redDigits += c;
    }
    const qsizetype second = text.indexOf(u',', first + 1);
    const int red = decimalValue(redDigits);
    const int green = decimalValue(text.mid(first + 1)); // stops at the second comma
    const int blue = second < 0 ? 0 : decimalValue(text.mid(second + 1)); // stops at ")"
    return rgb(red & 0xFF, green & 0xFF, blue & 0xFF);
}

int parseValue(Format format, const QString &text)
{
    switch (format) {
    case Format::Flag:
        return text == u"0" ? 0 : 1; // only "0" clears a flag, empty text sets it
    case Format::Integer:
    case Format::Tuning:
        return decimalValue(text);
    case Format::Colour:
        return colourValue(text);
    }
    return 0;
}

QString formatValue(Format format, int value)
{
    if (format == Format::Colour)
        return QString::asprintf("RGB(%d, %d, %d)", value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    return QString::number(value);
}

void applyElement(const Key &key, const QDomElement &element, ChartSettings &settings, QStringList &diagnostics)
{
    int index1 = 0;
    int index2 = 0;
    if (key.count2 > 0) {
        index1 = decimalValue(XmlDocument::attribute(element, Index1Attribute));
        index2 = decimalValue(XmlDocument::attribute(element, Index2Attribute));
    } else if (key.count1 > 0) {
        index1 = decimalValue(XmlDocument::attribute(element, IndexAttribute));
    }
    const bool inRange = (key.count1 == 0 || (index1 >= 0 && index1 < key.count1))
        && (key.count2 == 0 || (index2 >= 0 && index2 < key.count2));
    if (!inRange)
        return;
    int value = parseValue(key.format, XmlDocument::text(element));
    if (key.format == Format::Tuning && (value < TuningMin || value > TuningMax)) {
        // Like a damaged key: the default stands in, and the diagnostics say so.
        ChartSettings defaults = ChartSettings::defaults();
        const int fallback = key.field(defaults, index1, index2);
        QString position = QString::fromLatin1(key.name);
        if (key.count2 > 0)
            position += QStringLiteral(" Index1=%1 Index2=%2").arg(index1).arg(index2);
        else if (key.count1 > 0)
            position += QStringLiteral(" Index=%1").arg(index1);
        diagnostics.append(QStringLiteral("%1: %2 holds %3, outside %4 to %5; the default %6 is used.")
                               .arg(QLatin1String(SettingsFile::FileName), position, XmlDocument::text(element).trimmed())
                               .arg(TuningMin)
                               .arg(TuningMax)
                               .arg(fallback));
        value = fallback;
    }
    key.field(settings, index1, index2) = value;
}

} // namespace

Result<SettingsFile::Reading> SettingsFile::read(const QString &path, const ChartSettings &base)
{
    XmlDocument document;
    const Result<FileDamage> file = document.read(path);
    Reading reading{base, file.value()};
    QStringList diagnostics = file.diagnostics();
    document.walk([&](const QDomElement &element) {
        const Key *key = findKey(element.tagName());
        // A key the damage cut off may hold only the start of its value.
        if (key && document.isComplete(element)) {
            applyElement(*key, element, reading.settings, diagnostics);
            ++reading.damage.read;
        }
        return key == nullptr;
    });
    return FileDamage::answer(file, FileDamage::Items::Settings, std::move(reading), diagnostics);
}

Result<ChartSettings> SettingsFile::load(const QString &path, const ChartSettings &base)
{
    Result<Reading> reading = read(path, base);
    if (!reading)
        return Result<ChartSettings>::passOn(reading, base);
    return std::move(reading->settings);
}

Result<> SettingsFile::save(const QString &path, const ChartSettings &settings, const FileWriter &writer)
{
    ChartSettings values = settings; // reached through the accessors, which are writable
    XmlDocument document;
    QDomElement root = document.createRoot(QStringLiteral("Orvel_Config"));
    for (const Key &key : Keys) {
        for (int i = 0; i < std::max(key.count1, 1); ++i) {
            for (int j = 0; j < std::max(key.count2, 1); ++j) {
                QDomElement element = document.appendTextElement(root, QString::fromLatin1(key.name),
                                                                  formatValue(key.format, key.field(values, i, j)));
                if (key.count2 > 0) {
                    XmlDocument::setIntAttribute(element, Index1Attribute, i);
                    XmlDocument::setIntAttribute(element, Index2Attribute, j);
                } else if (key.count1 > 0) {
                    XmlDocument::setIntAttribute(element, IndexAttribute, i);
                }
            }
        }
    }
    return document.save(path, writer);
}

void SettingsFile::visitKeys(const ChartSettings &settings, const KeyVisitor &visit)
{
    ChartSettings copy = settings; // the accessors hand out writable references
    for (const Key &key : Keys) {
        std::vector<int> values;
        for (int i = 0; i < std::max(key.count1, 1); ++i)
            for (int j = 0; j < std::max(key.count2, 1); ++j)
                values.push_back(key.field(copy, i, j));
        visit(key.name, key.count1, key.count2, values);
    }
}

} // namespace orvel
