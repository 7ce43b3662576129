#include "engine/ChartMath.h"

#include <cmath>

namespace orvel {

double modifiedJulianDay(int day, int month, int year, double hours)
{
    const double ordinal = 10000.0 * year + 100.0 * month + day;
    if (month <= 2) {
        month += 12;
        year -= 1;
    }
    long b;
    if (ordinal <= 15821004.1)
        b = static_cast<long>(std::floor((year + 4716) / 4.0)) - 1181;
    else
        b = year / 400 - year / 100 + year / 4;
    return 365.0 * year - 679004.0 + b + std::floor(30.6001 * (month + 1)) + day + hours / 24.0;
}

CalendarMoment fromModifiedJulianDay(double mjd)
{
    const double jd = mjd + 2400000.5;
    const double a = std::floor(jd + 0.5);
    double c;
    if (a >= 2299161) {
        const double alpha = std::floor((a - 1867216.25) / 36524.25);
        c = a + alpha - std::floor(alpha / 4) + 1525;
    } else {
        c = a + 1524;
    }
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
