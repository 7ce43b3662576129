#pragma once

#include "platform/DateTime.h"

#include <QString>

namespace orvel {

// One stored horoscope: who, when (local civil time) and where.
struct HoroscopeRecord {
    // A new record as the program creates it: "(New Horoscope)", dated `now`, no place.
    static HoroscopeRecord createDefault(const DateTime &now);

    QString name;
    DateTime birth;      // local civil date and time at the place
    QString city;
    QString country;     // the country name as the place database writes it
    QString latitude;    // coordinate text, north positive
    QString longitude;   // coordinate text, east positive
    double deltaGmt = 0; // hours; local = UT + deltaGmt, daylight saving included

    friend bool operator==(const HoroscopeRecord &, const HoroscopeRecord &) = default;
};

// Stored as it is (a record read without a name gets it); marked for the German
// catalogue under the context "orvel::HoroscopeRecord" for a new record the user sees.
inline constexpr const char *DefaultHoroscopeName = QT_TRANSLATE_NOOP("orvel::HoroscopeRecord", "(New Horoscope)");

} // namespace orvel
