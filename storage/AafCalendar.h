#pragma once

#include "platform/DateTime.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

namespace orvel {

// A day as some calendar writes it.
struct CalendarDay {
    int year = 0;
    int month = 0;
    int day = 0;

    QString text() const; // "14.4.1452"
    friend bool operator==(const CalendarDay &, const CalendarDay &) = default;
};

// Which calendar a date field names after its year: "29.1.1953g", "7.10.1582j".
enum class CalendarMark { None, Gregorian, Julian };

struct AafWrittenDate {
    CalendarDay day;
    CalendarMark mark = CalendarMark::None;
};

// What a date field means as a day of our (proleptic Gregorian) calendar.
struct AafDateReading {
    DateTime date;             // midnight of that day; invalid when there is none
    QString problem;           // why there is none
    QString note;              // what the reading did to the written day, or empty
    DateTime gregorianReading; // an unmarked day before the reform read as Gregorian, when
                               // that day exists and differs from `date`; else invalid
};

// The calendars of the exchange format: days before 15 October 1582 are Julian and
// later days Gregorian, unless a mark after the year says otherwise. Our horoscopes
// hold Gregorian days throughout, so a Julian day is converted through its Julian day
// number, as the birth happened on that day whatever the calendar called it.
class AafCalendar {
    Q_DECLARE_TR_FUNCTIONS(AafCalendar)

public:
    enum class Calendar { Gregorian, Julian };

    // The Julian day number (the day that starts at noon UT) of `day` in `calendar`,
    // for days from the year -4712 on; the day need not exist.
    static std::int64_t dayNumber(const CalendarDay &day, Calendar calendar);
    // The day of `calendar` with Julian day number `number`, from number 0 on.
    static CalendarDay fromDayNumber(std::int64_t number, Calendar calendar);

    static bool exists(const CalendarDay &day, Calendar calendar);

    // The day a date field stands for, by its mark and the reform.
    static AafDateReading read(const AafWrittenDate &written);

    // `date` as the format writes it: a Julian day before the reform, else Gregorian.
    static CalendarDay written(const DateTime &date);

    // The Julian day in universal time of local time `localSeconds` (DateTime's serial
    // seconds) at an offset of `offsetHours` east of universal time.
    static double julianDay(std::int64_t localSeconds, double offsetHours);
    // The other way round: the local time, in serial seconds, of `julianDay` at that offset.
    static double localSeconds(double julianDay, double offsetHours);
    // The offset east of universal time at which local time `localSeconds` is `julianDay`.
    static double impliedOffset(std::int64_t localSeconds, double julianDay);
    // The Julian day of 0001-01-01 00:00 UT, where DateTime's serial seconds start.
    static constexpr double SerialEpoch = 1721425.5;

    // The first Gregorian day, 15 October 1582, as written in either calendar.
    static constexpr CalendarDay Reform{1582, 10, 15};
};

} // namespace orvel
