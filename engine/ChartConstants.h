#pragma once

#include <array>

namespace orvel {

// Chart points, always addressed by this index. 0 to 10 are also the ephemeris body numbers.
enum ChartPoint : int {
    Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, MeanNode, Ascendant, Midheaven
};

inline constexpr int PointCount = 13;
inline constexpr int BodyCount = 11;   // points computed by the ephemeris: Sun .. MeanNode
inline constexpr int HouseCount = 12;
inline constexpr int AspectKindCount = 5; // Conjunction, Sextil, Square, Trine, Opposition
inline constexpr int SignCount = 12;
inline constexpr int ElementCount = 4;    // Fire, Earth, Air, Water
inline constexpr int QualityCount = 3;    // Cardinal, Fixed, Mutable
inline constexpr int SlotCount = 3;

inline constexpr std::array<const char *, PointCount> PointNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
    "Uranus", "Neptun", "Pluto", "Mean Node", "AC", "MC"};
inline constexpr std::array<const char *, AspectKindCount> AspectNames = {
    "Conjunction", "Sextil", "Square", "Trine", "Opposition"};
inline constexpr std::array<const char *, SignCount> SignNames = {
    "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
inline constexpr std::array<const char *, ElementCount> ElementNames = {"Fire", "Earth", "Air", "Water"};
inline constexpr std::array<const char *, QualityCount> QualityNames = {"Cardinal", "Fixed", "Mutable"};

} // namespace orvel
