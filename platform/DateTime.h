#pragma once

#include <QString>
#include <compare>
#include <cstdint>

namespace orvel {

// A local calendar date and time of one-second resolution with a validity status.
// Only Gregorian dates of the years 100 to 9999 are valid; any other combination of
// fields yields an invalid value, as the class library's date-time type does.
class DateTime {
public:
    DateTime() = default; // invalid
    DateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    bool isValid() const { return m_valid; }
    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    int hour() const { return m_hour; }
    int minute() const { return m_minute; }
    int second() const { return m_second; }

    // Seconds since 0001-01-01 00:00:00 of the proleptic Gregorian calendar; for ordering.
    std::int64_t serialSeconds() const;
    // The moment `seconds` after 0001-01-01 00:00:00; invalid outside the years 100 to 9999.
    static DateTime fromSerialSeconds(std::int64_t seconds);

    // "DD.MM.YYYY HH:MM:SS"; years below 1000 get leading zeros, so that the text
    // always has the 19 characters fromText needs.
    QString toText() const;
    // Reads "DD.MM.YYYY HH:MM:SS" by character position (separators not checked);
    // an invalid value for shorter texts or impossible dates.
    static DateTime fromText(const QString &text);

    static bool isValidDate(int year, int month, int day);
    static int daysInMonth(int year, int month);

    // Values of different validity compare invalid-first; valid values chronologically.
    friend std::strong_ordering operator<=>(const DateTime &a, const DateTime &b);
    friend bool operator==(const DateTime &a, const DateTime &b) = default;

private:
    int m_year = 0, m_month = 0, m_day = 0, m_hour = 0, m_minute = 0, m_second = 0;
    bool m_valid = false;
};

// Decimal integer as the C library's atoi reads it: leading blanks, optional sign,
// digits up to the first non-digit; 0 without digits. Saturates instead of overflowing.
int decimalValue(const QString &text);

} // namespace orvel
