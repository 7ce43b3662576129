#include "engine/ChartSettings.h"

namespace orvel {

ChartSettings ChartSettings::defaults()
{
    ChartSettings s;
    s.aspectColours = {rgb(0, 0, 0), rgb(0, 0, 255), rgb(255, 0, 0), rgb(0, 0, 255), rgb(255, 0, 0)};
    s.aspectGlyphs = {80, 83, 84, 85, 88};
    s.aspectAngles = {0, 60, 90, 120, 180};
    s.signGlyphs = {64, 65, 66, 67, 68, 69, 70, 71, 72, 76, 74, 75};
    s.elementColours = {rgb(255, 0, 0), rgb(31, 127, 0), rgb(255, 191, 0), rgb(0, 0, 127)};
    for (int p = 0; p < PointCount; ++p)
        s.planetGlyphs[p] = 47 + p;
    s.planetColours = {rgb(255, 191, 0), rgb(0, 0, 0), rgb(132, 0, 132), rgb(31, 127, 0), rgb(255, 0, 0),
                       rgb(255, 32, 255), rgb(132, 0, 132), rgb(128, 128, 128), rgb(0, 0, 255), rgb(0, 0, 0),
                       rgb(0, 0, 0), rgb(128, 128, 128), rgb(128, 128, 128)};
    s.planetValues = {10, 8, 5, 5, 5, 5, 5, 4, 4, 4, 0, 10, 7};
    s.orbs = {{{9, 7, 8, 7, 8}, {8, 6, 7, 6, 7}, {6, 4, 5, 4, 5}, {6, 4, 5, 4, 5}, {6, 4, 5, 4, 5},
               {6, 4, 5, 4, 5}, {6, 4, 5, 4, 5}, {5, 3, 4, 3, 4}, {5, 3, 4, 3, 4}, {5, 3, 4, 3, 4},
               {4, 2, 3, 2, 3}, {4, 2, 3, 2, 3}, {4, 2, 3, 2, 3}}};
    s.scoringSwitch = 1;
    s.rulerBonus = 0;
    s.houseSystem = 1;
    s.hideAspects = 0;
    s.hideHouses = 0;
    return s;
}

} // namespace orvel
