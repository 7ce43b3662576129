#include "storage/AafCountryChooser.h"

#include "storage/AafFields.h"
#include "storage/AafPlaceFinder.h"

#include <QSet>
#include <QStringList>

namespace orvel {

namespace {

bool isBritish(const QString &code)
{
    return code == u"GBE" || code == u"SCO" || code == u"WL" || code == u"NIR";
}

bool isState(const QString &code)
{
    return code.size() == 4 && code.startsWith(u"US");
}

bool isSaintLucia(const QString &code)
{
    return code == u"LCA";
}

// The vehicle codes that stand for other database codes, read and written alike:
// a file's code (either spelling, in any case) names every database country the rule
// covers, and each of those is written with the first spelling. Other codes are the
// database's own.
struct VehicleCode {
    QStringView written;
    QStringView alias; // also read; empty when there is none
    bool (*covers)(const QString &databaseCode);
};

constexpr VehicleCode VehicleCodes[] = {
    {u"GB", u"UK", isBritish},
    {u"USA", u"US", isState},
    // Our database gives Wales the code WL, Saint Lucia's vehicle code.
    {u"WL", {}, isSaintLucia},
};

const VehicleCode *readingCode(const QString &field)
{
    for (const VehicleCode &v : VehicleCodes) {
        if (field.compare(v.written, Qt::CaseInsensitive) == 0
            || (!v.alias.isEmpty() && field.compare(v.alias, Qt::CaseInsensitive) == 0))
            return &v;
    }
    return nullptr;
}

const VehicleCode *writingCode(const QString &databaseCode)
{
    for (const VehicleCode &v : VehicleCodes) {
        if (v.covers(databaseCode))
            return &v;
    }
    return nullptr;
}

bool sameCountries(const std::vector<DirectoryCountry> &a, const std::vector<DirectoryCountry> &b)
{
    QSet<QString> codes;
    for (const DirectoryCountry &c : a)
        codes.insert(c.code);
    QSet<QString> others;
    for (const DirectoryCountry &c : b)
        others.insert(c.code);
    return codes == others;
}

QString names(const std::vector<DirectoryCountry> &list)
{
    QStringList text;
    for (const DirectoryCountry &c : list)
        text << c.name;
    return text.join(QStringLiteral(", "));
}

template<typename Matches>
std::vector<DirectoryCountry> those(const std::vector<DirectoryCountry> &list, Matches matches)
{
    std::vector<DirectoryCountry> found;
    for (const DirectoryCountry &c : list) {
        if (matches(c))
            found.push_back(c);
    }
    return found;
}

bool equal(const QString &a, const QString &b)
{
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

AafCountryChooser::AafCountryChooser(PlaceDirectory &places, AafPlaceFinder &finder)
    : m_places(places), m_finder(finder), m_countries(places.countries())
{
}

AafCountryChooser::Countries AafCountryChooser::byVehicleCode(const QString &code) const
{
    const VehicleCode *vehicle = readingCode(code);
    return those(m_countries,
                 [&](const DirectoryCountry &c) { return vehicle ? vehicle->covers(c.code) : equal(c.code, code); });
}

AafCountryChooser::Countries AafCountryChooser::byIsoCode(const QString &code) const
{
    return those(m_countries, [&](const DirectoryCountry &c) { return equal(c.iso2, code) || equal(c.iso3, code); });
}

AafCountryChooser::Countries AafCountryChooser::byName(const QString &name) const
{
    return those(m_countries, [&](const DirectoryCountry &c) { return equal(c.name, name); });
}

AafCountryChooser::Countries AafCountryChooser::knowing(const Countries &list, const QString &city)
{
    return those(list, [&](const DirectoryCountry &c) { return m_finder.find(c.name, city).has_value(); });
}

const DirectoryCountry *AafCountryChooser::nearest(const Countries &list, std::optional<double> latitude,
                                                   std::optional<double> longitude)
{
    if (!latitude || !longitude)
        return nullptr;
    const DirectoryCountry *best = nullptr;
    double bestDistance = 0;
    for (const DirectoryCountry &c : list) {
        const std::optional<double> distance = m_places.nearestPlaceKm(c.code, *latitude, *longitude);
        if (distance && (!best || *distance < bestDistance)) {
            best = &c;
            bestDistance = *distance;
        }
    }
    return best;
}

const DirectoryCountry *AafCountryChooser::part(const Countries &list, const QString &city,
                                                std::optional<double> latitude, std::optional<double> longitude)
{
    if (list.size() == 1)
        return &list.front();
    if (const DirectoryCountry *c = nearest(list, latitude, longitude))
        return c;
    for (const DirectoryCountry &c : list) {
        if (m_finder.find(c.name, city))
            return &c;
    }
    return nullptr;
}

AafCountryChooser::Choice AafCountryChooser::eitherCode(const QString &field, const Countries &vehicle,
                                                        const Countries &iso, const QString &city,
                                                        std::optional<double> latitude,
                                                        std::optional<double> longitude)
{
    Countries all = vehicle;
    all.insert(all.end(), iso.begin(), iso.end());
    const QString both = tr("'%1' is the vehicle code of %2 and the ISO 3166 code of %3: ")
                             .arg(field, names(vehicle), names(iso));
    const Countries withCity = knowing(all, city);
    if (withCity.size() == 1)
        return {withCity.front().name, both + QStringLiteral("%1 taken, where %2 is").arg(withCity.front().name, city)};
    if (const DirectoryCountry *c = nearest(withCity.empty() ? all : withCity, latitude, longitude))
        return {c->name, both + tr("%1 taken, whose place is nearest to the coordinates").arg(c->name)};
    if (const DirectoryCountry *c = part(vehicle, city, latitude, longitude))
        return {c->name, both + tr("%1 taken by the vehicle code, as neither city nor coordinates tell")
                                    .arg(c->name)};
    return {{}, both + tr("neither city nor coordinates tell which")};
}

QString AafCountryChooser::vehicleCode(const QString &databaseCode)
{
    const VehicleCode *vehicle = writingCode(databaseCode);
    return vehicle ? vehicle->written.toString() : databaseCode;
}

AafCountryChooser::Choice AafCountryChooser::choose(const QString &field, const QString &city,
                                                    std::optional<double> latitude, std::optional<double> longitude)
{
    if (AafFields::isUnknown(field))
        return {{}, tr("no country code")};
    const Countries vehicle = byVehicleCode(field);
    const Countries iso = byIsoCode(field);
    if (!vehicle.empty() && !iso.empty() && !sameCountries(vehicle, iso))
        return eitherCode(field, vehicle, iso, city, latitude, longitude);

    const Countries named = byName(field);
    const Countries &list = !vehicle.empty() ? vehicle : !iso.empty() ? iso : named;
    if (list.empty())
        return {{}, tr("unknown country code '%1'").arg(field)};
    const DirectoryCountry *c = part(list, city, latitude, longitude);
    if (!c)
        return {{},
                tr("country code '%1' names several countries of the place database and neither "
                               "coordinates nor the city tell which")
                    .arg(field)};
    if (!vehicle.empty())
        return {c->name, {}};
    if (!iso.empty())
        return {c->name, tr("'%1' read as an ISO 3166 code: %2 taken").arg(field, c->name)};
    return {c->name, tr("'%1' read as a country name: %2 taken").arg(field, c->name)};
}

} // namespace orvel
