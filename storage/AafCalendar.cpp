#include "storage/AafCalendar.h"

#include <tuple>

namespace orvel {

namespace {

bool isBefore(const CalendarDay &a, const CalendarDay &b)
{
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

DateTime midnight(const CalendarDay &day)
{
    return DateTime(day.year, day.month, day.day);
}

CalendarDay dayOf(const DateTime &date)
{
    return {date.year(), date.month(), date.day()};
}

} // namespace

QString CalendarDay::text() const
{
    return QStringLiteral("%1.%2.%3").arg(day).arg(month).arg(year);
}

std::int64_t AafCalendar::dayNumber(const CalendarDay &day, Calendar calendar)
{
    // Years counted from March of -4800, so that the leap day ends a year.
    const std::int64_t shift = (14 - day.month) / 12;
    const std::int64_t year = std::int64_t(day.year) + 4800 - shift;
    const std::int64_t month = day.month + 12 * shift - 3;
    const std::int64_t days = day.day + (153 * month + 2) / 5 + 365 * year + year / 4;
    if (calendar == Calendar::Julian)
        return days - 32083;
    return days - year / 100 + year / 400 - 32045;
}

CalendarDay AafCalendar::fromDayNumber(std::int64_t number, Calendar calendar)
{
    std::int64_t centuries = 0;
    std::int64_t days = number + 32082;
    if (calendar == Calendar::Gregorian) {
        const std::int64_t a = number + 32044;
        centuries = (4 * a + 3) / 146097;
        days = a - 146097 * centuries / 4;
    }
    const std::int64_t years = (4 * days + 3) / 1461;
    const std::int64_t dayOfYear = days - 1461 * years / 4;
    const std::int64_t month = (5 * dayOfYear + 2) / 153;
    return {int(100 * centuries + years - 4800 + month / 10), int(month + 3 - 12 * (month / 10)),
            int(dayOfYear - (153 * month + 2) / 5 + 1)};
}

bool AafCalendar::exists(const CalendarDay &day, Calendar calendar)
{
    if (day.month < 1 || day.month > 12 || day.day < 1)
        return false;
    if (calendar == Calendar::Gregorian)
        return day.day <= DateTime::daysInMonth(day.year, day.month);
    // Every fourth year is a leap year, the centuries included.
    const int leapYear = day.year % 4 == 0 ? 2000 : 2001;
    return day.day <= DateTime::daysInMonth(leapYear, day.month);
}

AafDateReading AafCalendar::read(const AafWrittenDate &written)
{
    AafDateReading reading;
    const CalendarDay &day = written.day;
    const bool julian =
        written.mark == CalendarMark::Julian || (written.mark == CalendarMark::None && isBefore(day, Reform));
    if (!julian) {
        reading.date = midnight(day);
        if (!reading.date.isValid())
            reading.problem = tr("is no date from 1.1.100 to 31.12.9999");
        return reading;
    }
    if (written.mark == CalendarMark::None && midnight(day).isValid())
        reading.gregorianReading = midnight(day);
    if (!exists(day, Calendar::Julian)) {
        reading.problem = tr("is no date of the Julian calendar");
        return reading;
    }
    const CalendarDay gregorian = fromDayNumber(dayNumber(day, Calendar::Julian), Calendar::Gregorian);
    reading.date = midnight(gregorian);
    if (!reading.date.isValid()) {
        reading.problem = tr("is a Julian date whose Gregorian day %1 lies outside 1.1.100 to 31.12.9999")
                              .arg(gregorian.text());
        return reading;
    }
    if (reading.gregorianReading == reading.date)
        reading.gregorianReading = DateTime();
    if (gregorian != day)
        reading.note = tr("is a Julian date, stored as the Gregorian %1").arg(gregorian.text());
    return reading;
}

double AafCalendar::julianDay(std::int64_t localSeconds, double offsetHours)
{
    return SerialEpoch + (double(localSeconds) - offsetHours * 3600.0) / 86400.0;
}

double AafCalendar::localSeconds(double julianDay, double offsetHours)
{
    return (julianDay - SerialEpoch) * 86400.0 + offsetHours * 3600.0;
}

double AafCalendar::impliedOffset(std::int64_t localSeconds, double julianDay)
{
    return (double(localSeconds) - AafCalendar::localSeconds(julianDay, 0.0)) / 3600.0;
}

CalendarDay AafCalendar::written(const DateTime &date)
{
    const CalendarDay day = dayOf(date);
    if (!isBefore(day, Reform))
        return day;
    return fromDayNumber(dayNumber(day, Calendar::Gregorian), Calendar::Julian);
}

} // namespace orvel
