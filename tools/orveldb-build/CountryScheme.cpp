#include "CountryScheme.h"

#include "platform/FileError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace orvel {

namespace {

struct Code {
    const char *alpha2;
    const char *code;
};

// International distinguishing signs of vehicles (the UN list of signs notified under
// the road traffic conventions). Saint Lucia's sign "WL" is left out: it is the code
// of Wales here, so Saint Lucia falls back to its alpha-3 code LCA.
constexpr Code VehicleCodes[] = {
    {"AD", "AND"}, {"AE", "UAE"}, {"AF", "AFG"}, {"AL", "AL"},  {"AM", "AM"},  {"AO", "ANG"},
    {"AR", "RA"},  {"AT", "A"},   {"AU", "AUS"}, {"AZ", "AZ"},  {"BA", "BIH"}, {"BB", "BDS"},
    {"BD", "BD"},  {"BE", "B"},   {"BF", "BF"},  {"BG", "BG"},  {"BH", "BRN"}, {"BI", "RU"},
    {"BJ", "DY"},  {"BN", "BRU"}, {"BO", "BOL"}, {"BR", "BR"},  {"BS", "BS"},  {"BT", "BHT"},
    {"BW", "RB"},  {"BY", "BY"},  {"BZ", "BH"},  {"CA", "CDN"}, {"CD", "CGO"}, {"CF", "RCA"},
    {"CG", "RCB"}, {"CH", "CH"},  {"CI", "CI"},  {"CL", "RCH"}, {"CM", "CAM"}, {"CN", "CHN"},
    {"CO", "CO"},  {"CR", "CR"},  {"CU", "C"},   {"CV", "CV"},  {"CY", "CY"},  {"CZ", "CZ"},
    {"DE", "D"},   {"DK", "DK"},  {"DM", "WD"},  {"DO", "DOM"}, {"DZ", "DZ"},  {"EC", "EC"},
    {"EE", "EST"}, {"EG", "ET"},  {"ES", "E"},   {"ET", "ETH"}, {"FI", "FIN"}, {"FJ", "FJI"},
    {"FO", "FO"},  {"FR", "F"},   {"GA", "G"},   {"GD", "WG"},  {"GE", "GE"},  {"GG", "GBG"},
    {"GH", "GH"},  {"GI", "GBZ"}, {"GM", "WAG"}, {"GN", "RG"},  {"GR", "GR"},  {"GT", "GCA"},
    {"GY", "GUY"}, {"HK", "HK"},  {"HR", "HR"},  {"HT", "RH"},  {"HU", "H"},   {"ID", "RI"},
    {"IE", "IRL"}, {"IL", "IL"},  {"IM", "GBM"}, {"IN", "IND"}, {"IQ", "IRQ"}, {"IR", "IR"},
    {"IS", "IS"},  {"IT", "I"},   {"JE", "GBJ"}, {"JM", "JA"},  {"JO", "HKJ"}, {"JP", "J"},
    {"KE", "EAK"}, {"KG", "KS"},  {"KH", "K"},   {"KR", "ROK"}, {"KW", "KWT"}, {"KZ", "KZ"},
    {"LA", "LAO"}, {"LB", "RL"},  {"LI", "FL"},  {"LK", "CL"},  {"LR", "LB"},  {"LS", "LS"},
    {"LT", "LT"},  {"LU", "L"},   {"LV", "LV"},  {"LY", "LAR"}, {"MA", "MA"},  {"MC", "MC"},
    {"MD", "MD"},  {"ME", "MNE"}, {"MG", "RM"},  {"MK", "NMK"}, {"ML", "RMM"}, {"MM", "MYA"},
    {"MN", "MGL"}, {"MR", "RIM"}, {"MT", "M"},   {"MU", "MS"},  {"MV", "MV"},  {"MW", "MW"},
    {"MX", "MEX"}, {"MY", "MAL"}, {"MZ", "MOC"}, {"NA", "NAM"}, {"NE", "RN"},  {"NG", "WAN"},
    {"NI", "NIC"}, {"NL", "NL"},  {"NO", "N"},   {"NP", "NEP"}, {"NZ", "NZ"},  {"PA", "PA"},
    {"PE", "PE"},  {"PG", "PNG"}, {"PH", "RP"},  {"PK", "PK"},  {"PL", "PL"},  {"PT", "P"},
    {"PY", "PY"},  {"QA", "Q"},   {"RO", "RO"},  {"RS", "SRB"}, {"RU", "RUS"}, {"RW", "RWA"},
    {"SA", "KSA"}, {"SC", "SY"},  {"SD", "SUD"}, {"SE", "S"},   {"SG", "SGP"}, {"SI", "SLO"},
    {"SK", "SK"},  {"SL", "WAL"}, {"SM", "RSM"}, {"SN", "SN"},  {"SR", "SME"}, {"SV", "ES"},
    {"SY", "SYR"}, {"SZ", "SD"},  {"TD", "TCH"}, {"TG", "TG"},  {"TH", "T"},   {"TJ", "TJ"},
    {"TM", "TM"},  {"TN", "TN"},  {"TR", "TR"},  {"TT", "TT"},  {"TW", "RC"},  {"TZ", "EAT"},
    {"UA", "UA"},  {"UG", "EAU"}, {"UY", "ROU"}, {"UZ", "UZ"},  {"VA", "V"},   {"VC", "WV"},
    {"VE", "YV"},  {"VN", "VN"},  {"WS", "WS"},  {"XK", "RKS"}, {"ZA", "ZA"},  {"ZM", "Z"},
    {"ZW", "ZW"},
};

// Countries GeoNames uses that ISO 3166 does not (yet) list.
struct ExtraCountry {
    const char *alpha2;
    const char *alpha3;
    const char *name;
};
constexpr ExtraCountry ExtraCountries[] = {{"XK", "XKX", "Kosovo"}};

struct UkPart {
    const char *admin1;
    const char *code;
    const char *name;
};
constexpr UkPart UkParts[] = {
    {"ENG", "GBE", "England"}, {"NIR", "NIR", "Northern Ireland"}, {"SCT", "SCO", "Scotland"}, {"WLS", "WL", "Wales"}};

Result<QJsonArray> readArray(const QString &path, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QJsonArray>::passOn(FileError::failure(path, file.error(), file.errorString()));
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject() || !document.object().value(key).isArray())
        return Result<QJsonArray>::failed(ResultStatus::Damaged, QStringLiteral("%1 holds no list \"%2\"").arg(path, key));
    return document.object().value(key).toArray();
}

} // namespace

QString CountryScheme::vehicleCode(const QString &alpha2)
{
    for (const Code &c : VehicleCodes) {
        if (alpha2 == QLatin1String(c.alpha2))
            return QString::fromLatin1(c.code);
    }
    return QString();
}

QString CountryScheme::toLatin1Text(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() < 0x100) {
            out.append(c);
            continue;
        }
        // The first character of the canonical decomposition is the base letter.
        const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
        if (!decomposed.isEmpty() && decomposed.front().unicode() < 0x100)
            out.append(decomposed.front());
    }
    return out;
}

Result<CountryScheme> CountryScheme::load(const QString &isoCodesFolder)
{
    const Result<QJsonArray> countries = readArray(isoCodesFolder + QStringLiteral("/iso_3166-1.json"), QStringLiteral("3166-1"));
    if (!countries)
        return Result<CountryScheme>::passOn(countries);
    const Result<QJsonArray> subdivisions =
        readArray(isoCodesFolder + QStringLiteral("/iso_3166-2.json"), QStringLiteral("3166-2"));
    if (!subdivisions)
        return Result<CountryScheme>::passOn(subdivisions);

    CountryScheme scheme;
    for (const QJsonValue &value : countries.value()) {
        const QJsonObject o = value.toObject();
        const QString name = o.value(QStringLiteral("common_name")).toString(o.value(QStringLiteral("name")).toString());
        scheme.m_countries.insert(o.value(QStringLiteral("alpha_2")).toString(),
                                  {toLatin1Text(name), o.value(QStringLiteral("alpha_3")).toString()});
    }
    for (const ExtraCountry &extra : ExtraCountries) {
        if (!scheme.m_countries.contains(QLatin1String(extra.alpha2)))
            scheme.m_countries.insert(QString::fromLatin1(extra.alpha2),
                                      {QString::fromLatin1(extra.name), QString::fromLatin1(extra.alpha3)});
    }
    for (const QJsonValue &value : subdivisions.value()) {
        const QJsonObject o = value.toObject();
        scheme.m_subdivisionNames.insert(o.value(QStringLiteral("code")).toString(),
                                         toLatin1Text(o.value(QStringLiteral("name")).toString()));
    }

    // Codes name files and order the country list: they must be unique, and only the
    // US states may begin with "US".
    QSet<QString> taken = {QStringLiteral("USA")};
    for (const UkPart &part : UkParts)
        taken.insert(QString::fromLatin1(part.code));
    for (auto it = scheme.m_countries.cbegin(); it != scheme.m_countries.cend(); ++it) {
        if (it.key() == u"US" || it.key() == u"GB")
            continue;
        const QString code = scheme.wholeCountry(it.key(), it.value()).code;
        if (code.isEmpty() || taken.contains(code) || code.startsWith(u"US")) {
            return Result<CountryScheme>::failed(
                ResultStatus::Damaged,
                QStringLiteral("country code %1 of %2 is empty, taken twice or reserved").arg(code, it.key()));
        }
        taken.insert(code);
    }
    return scheme;
}

CountryEntry CountryScheme::wholeCountry(const QString &alpha2, const Country &country) const
{
    const QString vehicle = vehicleCode(alpha2);
    return {vehicle.isEmpty() ? country.alpha3 : vehicle, country.name, alpha2, country.alpha3, QString()};
}

std::optional<CountryEntry> CountryScheme::entryFor(const QString &alpha2, const QString &admin1) const
{
    const auto country = m_countries.constFind(alpha2);
    if (country == m_countries.cend())
        return std::nullopt;
    if (alpha2 == u"US") {
        const QString subdivision = QStringLiteral("US-") + admin1;
        const auto state = m_subdivisionNames.constFind(subdivision);
        if (admin1.size() != 2 || state == m_subdivisionNames.cend())
            return std::nullopt;
        return CountryEntry{QStringLiteral("US") + admin1, QStringLiteral("USA - ") + *state, alpha2,
                            country->alpha3, subdivision};
    }
    if (alpha2 == u"GB") {
        for (const UkPart &part : UkParts) {
            if (admin1 == QLatin1String(part.admin1))
                return CountryEntry{QString::fromLatin1(part.code), QString::fromLatin1(part.name), alpha2,
                                    country->alpha3, QStringLiteral("GB-") + admin1};
        }
        return std::nullopt;
    }
    return wholeCountry(alpha2, *country);
}

} // namespace orvel
