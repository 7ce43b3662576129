#pragma once

#include "placedb/ClockChange.h"
#include "placedb/CountryRecord.h"
#include "placedb/PlaceRecord.h"
#include "placedb/ZoneSection.h"
#include "platform/DateTime.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace orvel {

class MessageSink;

// The place and time-zone database: the masked text files of the "OrvelDB" folder
// (Country.txt, Orte_<country>.txt, Ttable_<code>.txt, Zones.txt) and the
// last-used-country file beside the program. Reads only, except the last-used
// country. Holds nothing between calls but the cache of zone sections, which lives
// as long as the object; the files are taken not to change meanwhile.
class PlaceDatabase {
    Q_DECLARE_TR_FUNCTIONS(PlaceDatabase)

public:
    // The handheld program and the desktop program read the time tables slightly
    // differently (the desktop program knows no earliest moment and no prefixes).
    enum class Variant { Handheld, Desktop };

    // Names of the database folder and the last-used-country file in a program folder.
    static inline const QString FolderName = QStringLiteral("OrvelDB");
    static inline const QString LastCountryFileName = QStringLiteral("LstCntry.dat");

    // `databaseFolder`: the OrvelDB folder, without a trailing separator.
    // `lastCountryFile`: path of LstCntry.dat. File errors are shown through `sink`,
    // which must outlive the object.
    PlaceDatabase(QString databaseFolder, QString lastCountryFile, MessageSink &sink,
                  Variant variant = Variant::Handheld);

    // Replaces `countries` with the country file's countries in the order they are
    // offered. False, with a message, when the country file cannot be read.
    bool LoadCountryList(std::vector<CountryRecord> &countries);

    // Replaces `places` with the places of country `countryCode` whose names' sort
    // keys begin with the first character of `searchText`'s sort key, in file order.
    // True also when nothing matches or the place file does not exist; false, with a
    // message, when it exists but cannot be read.
    bool LoadPlaces(std::vector<PlaceRecord> &places, const QString &countryCode, const QString &searchText);
    // Replaces `places` with every place of country `countryCode`, in file order; the
    // same outcomes as LoadPlaces.
    bool LoadAllPlaces(std::vector<PlaceRecord> &places, const QString &countryCode);

    // Sets `country` to the archived name; leaves it as it is when the file does not
    // exist, or (with a message) cannot be read or is damaged.
    void LoadLastCountry(QString &country);
    // Replaces the file as a whole; a failed write leaves the old file and shows a message.
    void SaveLastCountry(const QString &country);

    // Appends to `rows` the rows of zone `zone` of time table `tableCode`, from the
    // cache or read and cached now. The pointers stay valid as long as the object.
    // False when the table cannot be read (with a message) or is malformed (without).
    bool LoadZoneSection(const QString &tableCode, int zone, std::vector<const TimeTableRow *> &rows);

    // The offset of local civil time from universal time in hours (local = UT +
    // offset) at local moment `moment` for a place's time table and zone. `offset` is
    // written only when a zone-file record was found, and is left as it is
    // otherwise. False when a file cannot be read, a time table is malformed, the
    // moment is invalid, or redirections go round in a circle.
    bool GetDeltaGMT(const DateTime &moment, const QString &tableCode, int zone, double &offset);

    // Whether local moment `moment` falls into a clock change of a place's time table
    // and zone: `change` is set when the moment occurs twice or never there, and
    // emptied otherwise. False, with `change` empty, when GetDeltaGMT fails nearby.
    bool GetClockChange(const DateTime &moment, const QString &tableCode, int zone,
                        std::optional<ClockChange> &change);

    Variant variant() const { return m_variant; }
    // The OrvelDB folder the object reads, without a trailing separator.
    const QString &databaseFolder() const { return m_folder; }

    // How many handovers between tables one lookup follows before it gives up.
    static constexpr int MaxPasses = 32;

private:
    // Reads a whole database file; shows the message and gives nullopt on failure.
    std::optional<QByteArray> readOrReport(const QString &path);
    // Reads the place file of `countryCode` and hands its text to `use`; nothing for a
    // missing file or unusable code, false with a message for an unreadable one.
    bool readPlaceFile(const QString &countryCode, const std::function<void(const QString &)> &use);
    const ZoneSection *cachedSection(const QString &tableCode, int zone) const;
    // Sets `offset` from the zone file's record for `key`, if there is one.
    bool applyZoneOffset(const QString &key, double &offset);

    QString m_folder;
    QString m_lastCountryFile;
    MessageSink &m_sink;
    Variant m_variant;
    std::deque<ZoneSection> m_cache; // a deque keeps handed-out row pointers valid
    // The zone file's offsets by designation, read at the first look-up that needs them.
    std::optional<QHash<QString, double>> m_zoneOffsets;
};

} // namespace orvel
