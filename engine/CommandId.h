#pragma once

namespace orvel {

// The handheld program's command identifiers, shared by the command bar, its popups,
// the tap popup and the rules of which commands are available.
enum class CommandId : int {
    Exit = 32771,
    RadixI = 32774,
    RadixII = 32775,
    Solar = 32776,
    Composite = 32777,
    Synastry = 32778,
    InformationWindows = 32782,
    Houses = 32793,
    Planets = 32794,
    Elements = 32795,
    Qualities = 32796,
    AspectsGraphic = 32799,
    AspectsTable = 32800,
    Horoscope = 32801,
    New = 32805,
    Edit = 32806,
    Load = 32807,
    HidingHouses = 32810,
    HidingAspects = 32811,
    Chart = 32813,
    Transit = 32814,
    AboutButton = 32819,
    About = 57664,
};

} // namespace orvel
