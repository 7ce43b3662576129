#pragma once

#include "platform/Result.h"

#include <QHash>
#include <QString>

#include <optional>

namespace orvel {

// One country of the database: a place file, a time table and a line of the country file.
struct CountryEntry {
    QString code;        // place-file and time-table code, e.g. "D", "USNY", "GBE"
    QString name;        // shown to the user, ISO 8859-1
    QString alpha2;      // ISO 3166 alpha-2
    QString alpha3;      // ISO 3166 alpha-3
    QString subdivision; // ISO 3166-2 code for a split country's part, else empty
};

// Which country code a GeoNames place belongs to:
// - the United States by state: "US" + the state's code (USNY, USDC, ...);
// - the United Kingdom by its four parts: GBE England, NIR Northern Ireland,
//   SCO Scotland, WL Wales;
// - every other country by its international vehicle code where it has one
//   (D, F, CH, AUS, CDN, ZA ...), otherwise its ISO 3166 alpha-3 code.
// Names are the ISO 3166 common names ("Taiwan", "South Korea"), else the short names.
class CountryScheme {
public:
    // Reads iso_3166-1.json and iso_3166-2.json from Debian's iso-codes folder. Fails
    // when a file is missing or two countries would share a code.
    static Result<CountryScheme> load(const QString &isoCodesFolder);

    // The entry for a place of ISO country `alpha2` in GeoNames region `admin1`;
    // nullopt for an unknown country, or an unknown part of a split country.
    std::optional<CountryEntry> entryFor(const QString &alpha2, const QString &admin1) const;

    // The international vehicle code of `alpha2`, or empty when it has none.
    static QString vehicleCode(const QString &alpha2);

    // `text` with every character outside ISO 8859-1 replaced by its base letter,
    // or dropped; the country file is read as ISO 8859-1.
    static QString toLatin1Text(const QString &text);

private:
    struct Country {
        QString name;
        QString alpha3;
    };

    CountryEntry wholeCountry(const QString &alpha2, const Country &country) const;

    QHash<QString, Country> m_countries;        // by alpha-2
    QHash<QString, QString> m_subdivisionNames; // by ISO 3166-2 code
};

} // namespace orvel
