#pragma once

#include <QtGlobal>

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

// The names of points, aspects, signs, elements and qualities as files and orvelchart
// write them. They are marked for the German catalogue under the context "ChartNames";
// windows show them translated.
inline constexpr std::array<const char *, PointCount> PointNames = {
    QT_TRANSLATE_NOOP("ChartNames", "Sun"), QT_TRANSLATE_NOOP("ChartNames", "Moon"), QT_TRANSLATE_NOOP("ChartNames", "Mercury"),
    QT_TRANSLATE_NOOP("ChartNames", "Venus"), QT_TRANSLATE_NOOP("ChartNames", "Mars"), QT_TRANSLATE_NOOP("ChartNames", "Jupiter"),
    QT_TRANSLATE_NOOP("ChartNames", "Saturn"), QT_TRANSLATE_NOOP("ChartNames", "Uranus"), QT_TRANSLATE_NOOP("ChartNames", "Neptun"),
    QT_TRANSLATE_NOOP("ChartNames", "Pluto"), QT_TRANSLATE_NOOP("ChartNames", "Mean Node"), QT_TRANSLATE_NOOP("ChartNames", "AC"),
    QT_TRANSLATE_NOOP("ChartNames", "MC")};
inline constexpr std::array<const char *, AspectKindCount> AspectNames = {
    QT_TRANSLATE_NOOP("ChartNames", "Conjunction"), QT_TRANSLATE_NOOP("ChartNames", "Sextil"), QT_TRANSLATE_NOOP("ChartNames", "Square"),
    QT_TRANSLATE_NOOP("ChartNames", "Trine"), QT_TRANSLATE_NOOP("ChartNames", "Opposition")};
inline constexpr std::array<const char *, SignCount> SignNames = {
    QT_TRANSLATE_NOOP("ChartNames", "Aries"), QT_TRANSLATE_NOOP("ChartNames", "Taurus"), QT_TRANSLATE_NOOP("ChartNames", "Gemini"),
    QT_TRANSLATE_NOOP("ChartNames", "Cancer"), QT_TRANSLATE_NOOP("ChartNames", "Leo"), QT_TRANSLATE_NOOP("ChartNames", "Virgo"),
    QT_TRANSLATE_NOOP("ChartNames", "Libra"), QT_TRANSLATE_NOOP("ChartNames", "Scorpio"), QT_TRANSLATE_NOOP("ChartNames", "Sagittarius"),
    QT_TRANSLATE_NOOP("ChartNames", "Capricorn"), QT_TRANSLATE_NOOP("ChartNames", "Aquarius"), QT_TRANSLATE_NOOP("ChartNames", "Pisces")};
inline constexpr std::array<const char *, ElementCount> ElementNames = {
    QT_TRANSLATE_NOOP("ChartNames", "Fire"), QT_TRANSLATE_NOOP("ChartNames", "Earth"), QT_TRANSLATE_NOOP("ChartNames", "Air"),
    QT_TRANSLATE_NOOP("ChartNames", "Water")};
inline constexpr std::array<const char *, QualityCount> QualityNames = {
    QT_TRANSLATE_NOOP("ChartNames", "Cardinal"), QT_TRANSLATE_NOOP("ChartNames", "Fixed"), QT_TRANSLATE_NOOP("ChartNames", "Mutable")};

} // namespace orvel
