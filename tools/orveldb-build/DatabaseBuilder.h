#pragma once

#include "AdminNames.h"
#include "BuildStatistics.h"
#include "BuiltPlace.h"
#include "CountryScheme.h"
#include "DesignationKeys.h"
#include "NameChanges.h"
#include "ZoneHistory.h"

#include <QHash>
#include <QString>

#include <map>
#include <vector>

namespace orvel {

// Writes a complete OrvelDB folder from the GeoNames cities file, the system's IANA
// time-zone data and Debian's ISO 3166 lists: Country.txt, one place file and one
// time table per country code, Zones.txt. Every file is written into a fresh folder
// beside the target and read back through the program's reader; only a database
// that reads back exactly replaces the old one. The places renamed against the old
// one are listed in a file beside it (see renamedFileFor).
class DatabaseBuilder {
public:
    struct Options {
        QString citiesFile;     // GeoNames cities500.txt
        QString isoCodesFolder; // holds iso_3166-1.json and iso_3166-2.json
        QString adminFolder;    // holds GeoNames' admin1.json and admin2.json
        QString outputFolder;   // the OrvelDB folder to (re)place
        QString zoneNamesFile;  // optional: "code TAB zone TAB IANA name" per zone, for tests
    };

    explicit DatabaseBuilder(Options options);

    // Builds, checks and installs the database; prints a summary on standard output
    // and errors on standard error. False on any error; the old database stays then.
    bool run();

    // The list of renamed places written beside `outputFolder`: "OrvelDB" gives "OrvelDB-renamed.tsv".
    static QString renamedFileFor(const QString &outputFolder);

private:
    struct Country {
        CountryEntry entry;
        std::vector<BuiltPlace> places;
        QStringList zoneNames; // IANA names; zone number = index + 1
    };

    bool readPlaces(const CountryScheme &scheme, const AdminNames &admin);
    bool knownZone(const QString &name);
    void numberZonesAndNames();
    void readZoneHistories();
    bool writeAll(const QString &folder);
    bool writeZoneNames() const;
    bool install(const QString &folder) const;
    bool writeNameChanges(const NameChanges::Names &previous) const;

    Options m_options;
    BuildStatistics m_statistics;
    std::map<QString, Country> m_countries;                       // by code
    std::map<QString, std::vector<ZoneHistory::Row>> m_histories; // by IANA name
    QHash<QString, bool> m_zoneAvailable;                  // by IANA name
    DesignationKeys m_keys;
};

} // namespace orvel
