#pragma once

namespace orvel {

// Calendar and circle arithmetic of the chart variants.
struct CalendarMoment {
    int day = 0;
    int month = 0;
    int year = 0;
    double hours = 0;
};

// Modified Julian day of a date and time of the proleptic Gregorian calendar (the
// calendar of every stored date, also before 15 October 1582). 17 November 1858 0h is 0.
double modifiedJulianDay(int day, int month, int year, double hours);
// The proleptic Gregorian date and time of a Modified Julian day.
CalendarMoment fromModifiedJulianDay(double mjd);
// The nearer midpoint of two longitudes, 0 <= result < 360 for inputs in that range;
// exactly opposite longitudes give their plain mean.
double midpoint(double a, double b);
// The angle of a longitude on the chart wheel: degrees counter-clockwise from the
// Ascendant, 0 <= result < 360 (NaN stays NaN).
double wheelAngle(double longitude, double ascendant);

} // namespace orvel
