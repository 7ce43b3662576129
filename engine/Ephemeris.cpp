#include "engine/Ephemeris.h"

#include <swephexp.h>

namespace orvel {

namespace {
// Beside the library's own per-thread copy, so that a thread can hand it to the threads it starts.
thread_local QString threadDataFolder;
}

void Ephemeris::setDataFolder(const QString &folder)
{
    threadDataFolder = folder;
    swe_set_ephe_path(folder.toLocal8Bit().constData());
}

QString Ephemeris::dataFolder()
{
    return threadDataFolder;
}

void Ephemeris::closeThread()
{
    swe_close();
    threadDataFolder.clear();
}

double Ephemeris::julianDay(int year, int month, int day, double hours)
{
    return swe_julday(year, month, day, hours, SE_GREG_CAL);
}

Result<Ephemeris::BodyPosition> Ephemeris::body(double julianDayUt, int body)
{
    double result[6] = {};
    // The library writes a message here on an error only; clearing all of it for each
    // of a chart's bodies is measurable in a batch.
    char errorText[AS_MAXCH];
    errorText[0] = '\0';
    const int flags = swe_calc_ut(julianDayUt, body, SEFLG_SPEED, result, errorText);
    if (flags < 0)
        return Result<BodyPosition>::failed(ResultStatus::Failed, QString::fromLocal8Bit(errorText));
    return BodyPosition{result[0], result[3], (flags & SEFLG_MOSEPH) != 0};
}

char Ephemeris::houseSystemLetter(int houseSystem)
{
    static constexpr char letters[] = {'K', 'P', 'X', 'R', 'O', 'A', 'M', 'C'};
    return houseSystem >= 0 && houseSystem < 8 ? letters[houseSystem] : 'P';
}

Ephemeris::Houses Ephemeris::houses(double julianDayUt, double latitude, double longitude, int houseSystem)
{
    double cusps[13] = {};
    double angles[10] = {};
    // The cusps are stored whatever the library returns: on failure it has already
    // fallen back to Porphyry cusps itself.
    swe_houses(julianDayUt, latitude, longitude, houseSystemLetter(houseSystem), cusps, angles);
    Houses houses;
    for (int h = 1; h <= 12; ++h)
        houses.cusps[h - 1] = cusps[h];
    houses.ascendant = angles[0];
    houses.midheaven = angles[1];
    return houses;
}

} // namespace orvel
