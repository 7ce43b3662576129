#pragma once

#include <QStringList>

namespace orvel {

class DateTime;
class PlaceDirectory;

// orvelchart import FILE.aaf and export FILE.aaf [--utf8]: horoscopes from and to the
// exchange format of other astrology programs, one JSON line per record.
class AafCommands {
public:
    // Appends the good records of the AAF file to the horoscopes stored in
    // `horoscopeFile` (none when it does not exist) and saves it. 0 when at least one
    // record was imported; 1 when none was or a file could not be read or written,
    // and then the horoscope file is unchanged. `now` dates records without a Date.
    static int importFile(const QString &horoscopeFile, PlaceDirectory &places, const QStringList &arguments,
                          const DateTime &now);
    // Writes every stored horoscope to the AAF file; 0, or 1 when a file could not be
    // read or written.
    static int exportFile(const QString &horoscopeFile, PlaceDirectory &places, const QStringList &arguments,
                          const DateTime &now);
    // What is wrong with export's arguments, or nothing.
    static QString invalidExport(const QStringList &arguments);
};

} // namespace orvel
