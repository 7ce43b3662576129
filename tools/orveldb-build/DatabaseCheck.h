#pragma once

#include "placedb/CountryRecord.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/PlaceRecord.h"
#include "placedb/TimeTableRow.h"
#include "platform/RecordingMessageSink.h"

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace orvel {

// Reads written database files back through the program's own reader and notes
// every difference from what was meant to be written.
class DatabaseCheck {
public:
    explicit DatabaseCheck(const QString &folder);

    // The country list holds exactly `written` (in the reader's order).
    void countries(const std::vector<CountryRecord> &written);
    // Every letter of the index gives back exactly its stretch of `written` (file order).
    void places(const QString &code, const std::vector<PlaceRecord> &written);
    // Every zone gives back exactly its rows; `written[i]` is zone i + 1.
    void timeTable(const QString &code, const std::vector<std::vector<TimeTableRow>> &written);
    // Every key reads back with its offset, to the second.
    void zoneFile(const std::map<QString, int> &keys);

    const QStringList &problems() const { return m_problems; }

private:
    QString m_folder;
    RecordingMessageSink m_sink;
    PlaceDatabase m_database;
    QStringList m_problems;
};

} // namespace orvel
