#pragma once

#include "engine/ChartConstants.h"

#include <array>
#include <cstdint>

namespace orvel {

// A colour with red in the lowest byte, then green, then blue.
using Colour = std::int32_t;
constexpr Colour rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

// The settings block that tunes computation and drawing. All values are 32-bit
// integers; glyphs are character codes of the chart symbol font.
struct ChartSettings {
    // The block as a first start sees it.
    static ChartSettings defaults();

    std::array<std::array<int, AspectKindCount>, PointCount> orbs{}; // degrees, by point and aspect kind
    std::array<Colour, AspectKindCount> aspectColours{};
    std::array<int, AspectKindCount> aspectGlyphs{};
    std::array<int, AspectKindCount> aspectAngles{};                 // degrees
    std::array<int, SignCount> signGlyphs{};
    std::array<Colour, ElementCount> elementColours{};
    std::array<int, PointCount> planetGlyphs{};
    std::array<Colour, PointCount> planetColours{};
    std::array<int, PointCount> planetValues{};
    int scoringSwitch = 0;  // kept in the file; nothing computes with it
    int rulerBonus = 0;     // added to the element and quality of the first house's ruler
    int houseSystem = 0;    // 0 Koch .. 7 Campanus; others compute Placidus
    int hideAspects = 0;
    int hideHouses = 0;

    friend bool operator==(const ChartSettings &, const ChartSettings &) = default;
};

} // namespace orvel
