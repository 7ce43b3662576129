#pragma once

#include "platform/Result.h"

#include <QString>

#include <array>

namespace orvel {

// The one adapter to the Swiss Ephemeris: body numbers, house-system letters and
// calendar flags are mapped here and nowhere else.
class Ephemeris {
public:
    struct BodyPosition {
        double longitude = 0; // ecliptic longitude, degrees
        double speed = 0;     // daily motion in longitude, degrees per day
        bool builtIn = false; // from the library's analytical ephemeris, not its files
    };
    struct Houses {
        std::array<double, 12> cusps{}; // house 1 .. 12, degrees
        double ascendant = 0;
        double midheaven = 0;
    };

    // Folder of the ephemeris data files; the library opens them on demand. The library
    // keeps it per thread, so every thread that computes charts sets it for itself.
    static void setDataFolder(const QString &folder);
    // The name of the data-file folder a program folder carries beside the programs.
    static constexpr const char *FolderName = "Ephem";
    // The folder the calling thread last set, or a null text.
    static QString dataFolder();
    // Closes the calling thread's files and frees its state; a thread that computed
    // charts calls it before it ends, since the library keeps that state per thread.
    static void closeThread();
    // Julian day (UT) of a Gregorian date; hours outside 0..24 run into the neighbouring days.
    static double julianDay(int year, int month, int day, double hours);
    // Position and daily motion of body 0 (Sun) .. 10 (mean node) at a Julian day in UT;
    // a failure carries the library's text. Where the data files are missing or do not
    // cover the day the library computes the position with its less exact built-in
    // ephemeris and says so only in `builtIn`.
    static Result<BodyPosition> body(double julianDayUt, int body);
    // Cusps, Ascendant and Midheaven in house system 0 (Koch) .. 7 (Campanus); any other
    // number computes Placidus.
    static Houses houses(double julianDayUt, double latitude, double longitude, int houseSystem);
    // The library's letter for a house system number.
    static char houseSystemLetter(int houseSystem);
};

} // namespace orvel
