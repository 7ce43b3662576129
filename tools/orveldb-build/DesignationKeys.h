#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <set>

namespace orvel {

// The designations of the time tables, which are the keys of the zone file. A key is
// the zone's abbreviation ("CET", "EST", "+03") where that abbreviation means one
// offset everywhere; an abbreviation used with several offsets ("IST" in India,
// Ireland and Israel, "LMT" everywhere) gets the offset appended: "IST+05:30",
// "LMT+00:53:28". A missing abbreviation reads "UTC" with the offset.
class DesignationKeys {
public:
    // Registers every (abbreviation, offset) pair before any key is asked for.
    void add(const QString &abbreviation, int offsetSeconds);
    QString keyFor(const QString &abbreviation, int offsetSeconds) const;

    // Every key with its offset in seconds.
    std::map<QString, int> keys() const;
    // The plain zone file: "key TAB UTC+hh:mm TAB hours CR LF", in key order.
    QByteArray zoneFileText() const;

    // "+05:30", "-03:00", "+00:53:28": seconds only when there are any.
    static QString offsetText(int offsetSeconds);
    // Hours with a full stop and at least one decimal, precise to the second: "1.0",
    // "-5.5", "0.891111".
    static QString hoursText(int offsetSeconds);

private:
    static QString abbreviationOf(const QString &abbreviation, int offsetSeconds);
    std::map<QString, std::set<int>> m_offsets; // by abbreviation
};

} // namespace orvel
