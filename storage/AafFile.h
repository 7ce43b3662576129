#pragma once

#include "engine/HoroscopeRecord.h"
#include "platform/AtomicFileWriter.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace orvel {

class PlaceDirectory;

// What happened to one record of an AAF file on reading or writing.
struct AafEntry {
    int record = 0;                           // position in the file, from 1
    QString name;                             // the horoscope's name
    std::optional<HoroscopeRecord> horoscope; // on reading: the horoscope, unless skipped
    QString reason;                           // why it was skipped, or what was noted; empty when neither
};

// Horoscopes to and from the astrological exchange format (AAF) that most astrology
// programs of the German-speaking world import and export.
//
// Reading maps each record's #A93 chunk (name, first name, type, date, time, place,
// country) and #B93 chunk (Julian day in universal time, latitude, longitude, zone
// difference, daylight saving) to a horoscope (AafImporter): the name as "First Last",
// the date in our Gregorian calendar (the format's dates before 15.10.1582 are Julian
// unless marked), the country by its vehicle code, ISO code or name in the place
// database (AafCountryChooser), the offset from the zone and the daylight-saving
// hours, or from the place database's time tables when the file has none. A Julian
// day in the file is checked against the local time and offset.
//
// Writing emits #A93 (days before the reform as Julian dates) and #B93 with the Julian
// day to the second, in Windows-1252 unless UTF-8 is asked for.
class AafFile {
    Q_DECLARE_TR_FUNCTIONS(AafFile)

public:
    enum class Encoding { Windows1252, Utf8 };

    // The entries of `path`, or none when it cannot be read or holds no record (Missing
    // when it does not exist); `places` must stay valid during the call.
    static Result<std::vector<AafEntry>> load(const QString &path, PlaceDirectory &places);
    static std::vector<AafEntry> read(const QByteArray &bytes, PlaceDirectory &places);
    // How many of `entries` give a horoscope.
    static int imported(const std::vector<AafEntry> &entries);

    // Replaces the file at `path` with all of `horoscopes` through `writer`; a failure
    // keeps the old file. The value has one entry per horoscope, with what could not travel.
    static Result<std::vector<AafEntry>> save(const QString &path, const std::vector<HoroscopeRecord> &horoscopes,
                                              PlaceDirectory &places, Encoding encoding = Encoding::Windows1252,
                                              const FileWriter &writer = AtomicFileWriter::standard());
    static QByteArray write(const std::vector<HoroscopeRecord> &horoscopes, PlaceDirectory &places, Encoding encoding,
                            std::vector<AafEntry> &entries);

    // Files larger than this are refused unread: a collection of a hundred thousand
    // births is a few tens of megabytes.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
};

} // namespace orvel
