#pragma once

#include "placedb/PlaceDatabase.h"
#include "platform/RecordingMessageSink.h"

#include <QString>

namespace orvel::bench {

// The place database's timed figures on one database folder. Each look-up is
// measured against its I/O floor, reading the files it reads whole, in alternating
// runs so that both see the same machine state; then the figure and the ratio are
// printed. Every look-up must succeed without a message for ok() to hold.
class PlaceDatabaseFigures {
public:
    PlaceDatabaseFigures(QString folder, int runs);

    // LoadPlaces for one letter; the floor is reading the country's place file.
    void loadPlaces(const char *what, const QString &country, const QString &letter, const char *target,
                    double boundMicros);
    // GetDeltaGMT with the zone section cached, over moments from `firstYear` on; the
    // floor is reading Zones.txt, which every look-up reads for the offset itself.
    void cachedLookup(const char *what, const QString &table, int zone, int firstYear, const char *target,
                      double boundMicros);
    // GetDeltaGMT on a fresh database object; the floor is reading the time table
    // and Zones.txt, the two files an uncached look-up reads.
    void uncachedLookup(const char *what, const QString &table, int zone, const DateTime &moment,
                        const char *target, double boundMicros);

    bool ok() const { return m_ok && m_sink.messages.isEmpty(); }

private:
    QString file(const QString &name) const { return m_folder + u'/' + name; }
    void lookUp(PlaceDatabase &database, const QString &table, int zone, const DateTime &moment);

    QString m_folder;
    int m_runs;
    RecordingMessageSink m_sink;
    bool m_ok = true;
};

} // namespace orvel::bench
