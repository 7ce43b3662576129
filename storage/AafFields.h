#pragma once

#include "storage/AafCalendar.h"

#include <QString>

#include <optional>

namespace orvel {

// The daylight-saving field of #B93: hours to add to the zone difference, "L" for
// local mean time, or something else.
struct AafDaylight {
    enum class Kind { Hours, LocalMeanTime, NotUnderstood };
    Kind kind = Kind::Hours;
    double hours = 0; // for Hours; 0 also when the field is unknown ("*")

    friend bool operator==(const AafDaylight &, const AafDaylight &) = default;
};

// The readers of single #A93 and #B93 fields, each strict about its syntax: what
// they do not return is reported by the caller with the field's text.
class AafFields {
public:
    // "*" or nothing: the field is unknown.
    static bool isUnknown(const QString &field);
    // `text` without the white space (in the C locale's sense) that the format lets
    // surround every field.
    static QStringView trimmed(QStringView text);

    // "27.9.1970", "14.04.1452", "29.1.1953g", "7.10.1582J": day, month, year of digits,
    // and a calendar mark right after the year. Whether the day exists is not checked.
    static std::optional<AafWrittenDate> date(const QString &text);
    // "19", "11:04", "11:04:30", "22h30", "22h30:12" as seconds of the day.
    static std::optional<int> time(const QString &text);
    // "49n05", "34s36:30" as degrees, north positive, up to 90.
    static std::optional<double> latitude(const QString &text);
    // "8e11", "118w15:00" as degrees, east positive, up to 180.
    static std::optional<double> longitude(const QString &text);
    // The zone difference "1he00", "1he", "5hw", "0e21:48" as hours east of Greenwich,
    // up to 15.
    static std::optional<double> zone(const QString &text);
    // "0", "1", "2" (double summer time), any number up to 3 hours; "L" or "l".
    static AafDaylight daylight(const QString &text);
    // The Julian day in universal time of the years 100 to 9999.
    static std::optional<double> julianDay(const QString &text);

    // No civil offset from universal time is larger.
    static constexpr double MaxOffsetHours = 15.0;
};

} // namespace orvel
