#include "engine/ChartMath.h"

#include <cmath>

namespace orvel {

namespace {

// Division rounding towards minus infinity, so that the leap-year counts stay right
// for the years before 1 that the month shift of January and February can reach.
long floorDiv(long a, long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

double modifiedJulianDay(int day, int month, int year, double hours)
{
    // Horoscope dates are proleptic Gregorian throughout, before October 1582 too.
    long y = year;
    int m = month;
    if (m <= 2) {
        m += 12;
        y -= 1;
    }
    const long b = floorDiv(y, 400) - floorDiv(y, 100) + floorDiv(y, 4);
    return 365.0 * y - 679004.0 + b + std::floor(30.6001 * (m + 1)) + day + hours / 24.0;
}

CalendarMoment fromModifiedJulianDay(double mjd)
{
    const double jd = mjd + 2400000.5;
    const double a = std::floor(jd + 0.5);
    const double alpha = std::floor((a - 1867216.25) / 36524.25);
    const double c = a + alpha - std::floor(alpha / 4) + 1525;
    const double dy = std::floor((c - 122.1) / 365.25);
    const double e = c - (365 * dy + std::floor(dy / 4));
    const double f = std::floor(e / 30.6001);

    CalendarMoment moment;
    moment.day = static_cast<int>(e - std::floor(30.6001 * f));
    moment.month = static_cast<int>(f - 1 - 12 * std::floor(f / 14));
    moment.year = static_cast<int>(dy - 4715 - std::floor((7 + moment.month) / 10.0));
    moment.hours = (jd + 0.5 - a) * 24;
    return moment;
}

double midpoint(double a, double b)
{
    const double mean = (a + b) / 2;
    if (std::abs(a - b) / 2 <= 90)
        return mean;
    const double opposite = mean + 180;
    return opposite >= 360 ? opposite - 360 : opposite;
}

double wheelAngle(double longitude, double ascendant)
{
    double angle = longitude - ascendant;
    if (angle < 0 || angle >= 360) { // one turn at most for longitudes in range; fmod only beyond
        angle = std::fmod(angle, 360.0);
        if (angle < 0)
            angle += 360.0;
        if (angle >= 360.0) // a tiny negative remainder rounds up to a whole turn
            angle -= 360.0;
    }
    return angle;
}

} // namespace orvel
