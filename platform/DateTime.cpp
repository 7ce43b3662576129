#include "platform/DateTime.h"

#include <limits>

namespace orvel {

namespace {

// Days from 0001-01-01 to the given proleptic Gregorian date.
std::int64_t daysFromCivil(int year, int month, int day)
{
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t monthIndex = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * monthIndex + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 306; // 306: 0000-03-01 .. 0001-01-01
}

// The proleptic Gregorian date `days` after 0001-01-01; the inverse of daysFromCivil.
void civilFromDays(std::int64_t days, int &year, int &month, int &day)
{
    const std::int64_t z = days + 306;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    day = int(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = int(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

} // namespace

DateTime DateTime::fromSerialSeconds(std::int64_t seconds)
{
    // Far outside the valid years the day count would not fit an int year.
    if (seconds < 0 || seconds > std::int64_t(10000) * 366 * 86400)
        return {};
    int year = 0, month = 0, day = 0;
    civilFromDays(seconds / 86400, year, month, day);
    const int second = int(seconds % 86400);
    return DateTime(year, month, day, second / 3600, second / 60 % 60, second % 60);
}

DateTime::DateTime(int year, int month, int day, int hour, int minute, int second)
    : m_year(year), m_month(month), m_day(day), m_hour(hour), m_minute(minute), m_second(second)
{
    m_valid = year >= 100 && year <= 9999 && isValidDate(year, month, day)
        && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

bool DateTime::isValidDate(int year, int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

int DateTime::daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::int64_t DateTime::serialSeconds() const
{
    return daysFromCivil(m_year, m_month, m_day) * 86400 + m_hour * 3600 + m_minute * 60 + m_second;
}

QString DateTime::toText() const
{
    return QString::asprintf("%02d.%02d.%04d %02d:%02d:%02d", m_day, m_month, m_year, m_hour, m_minute, m_second);
}

DateTime DateTime::fromText(const QString &text)
{
    if (text.size() < 19)
        return {};
    return DateTime(decimalValue(text.mid(6, 4)), decimalValue(text.mid(3, 2)), decimalValue(text.mid(0, 2)),
                    decimalValue(text.mid(11, 2)), decimalValue(text.mid(14, 2)), decimalValue(text.mid(17, 2)));
}

std::strong_ordering operator<=>(const DateTime &a, const DateTime &b)
{
    if (a.m_valid != b.m_valid)
        return a.m_valid <=> b.m_valid;
    if (!a.m_valid)
        return std::strong_ordering::equal;
    return a.serialSeconds() <=> b.serialSeconds();
}

int decimalValue(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'
                               || text[i] == u'\v' || text[i] == u'\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace orvel
