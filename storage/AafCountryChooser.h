#pragma once

#include "engine/PlaceDirectory.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

namespace orvel {

class AafPlaceFinder;

// The country of the place database that an AAF record's country field names.
//
// The field is looked up, in any case, among the international vehicle codes (GB or
// UK for the four parts of the United Kingdom, USA or US for the states, WL for Saint
// Lucia), the ISO 3166 two- and three-letter codes and the countries' names. A code
// that is one country's vehicle code and another's ISO code (ES: El Salvador, Spain)
// goes to the country where the record's city is, else to the one with the place
// nearest to the record's coordinates, else to the vehicle code's. A code for a
// divided country (GB, USA) goes to the part with the nearest place, else to the part
// that knows the city.
class AafCountryChooser {
    Q_DECLARE_TR_FUNCTIONS(AafCountryChooser)

public:
    struct Choice {
        QString name; // the country's name; empty when none was found
        QString note; // how it was chosen, unless the field was a plain vehicle code
    };

    // `places` and `finder` must outlive the chooser; the country list is read once.
    AafCountryChooser(PlaceDirectory &places, AafPlaceFinder &finder);

    Choice choose(const QString &field, const QString &city, std::optional<double> latitude,
                  std::optional<double> longitude);

    // The code other programs know a country of the database by: GB for a part of the
    // United Kingdom, USA for a state, WL for Saint Lucia, else the database's code.
    static QString vehicleCode(const QString &databaseCode);

private:
    using Countries = std::vector<DirectoryCountry>;

    Countries byVehicleCode(const QString &code) const;
    Countries byIsoCode(const QString &code) const;
    Countries byName(const QString &name) const;

    // Among `list`, the countries whose places include `city`.
    Countries knowing(const Countries &list, const QString &city);
    // Among `list`, the country with the place nearest to the point.
    const DirectoryCountry *nearest(const Countries &list, std::optional<double> latitude,
                                    std::optional<double> longitude);
    // One part of a divided country, or the only country of `list`.
    const DirectoryCountry *part(const Countries &list, const QString &city, std::optional<double> latitude,
                                 std::optional<double> longitude);
    Choice eitherCode(const QString &field, const Countries &vehicle, const Countries &iso, const QString &city,
                      std::optional<double> latitude, std::optional<double> longitude);

    PlaceDirectory &m_places;
    AafPlaceFinder &m_finder;
    Countries m_countries;
};

} // namespace orvel
