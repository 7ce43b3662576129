#pragma once

#include "engine/AspectCode.h"
#include "engine/ChartCommands.h"
#include "engine/ChartConstants.h"
#include "engine/ChartSettings.h"
#include "render/InfoWindow.h"

#include <QString>

#include <array>
#include <vector>

namespace orvel {

struct ChartScene;

// One chart as an information window sees it. Angles are wheel angles (degrees from
// the chart's own Ascendant, 0 <= angle < 360) unless the snapshot was taken for an
// aspect window of two charts, where `points` holds plain longitudes.
struct InfoChart {
    std::array<double, SignCount> signStart{};  // angle of longitude 0, 30, ..., 330
    std::array<double, HouseCount> cusp{};      // angles of cusps 1 .. 12
    std::array<double, PointCount> motion{};    // degrees per day; left 0 for aspect windows
    std::array<double, PointCount> points{};

    // The sign 0 .. 11 whose boundaries hold the angle `x`; Aries when none does.
    int signOf(double x) const;
    // The house index 0 .. 11 whose cusps hold the angle `x`; house 1 when none does.
    int houseOf(double x) const;
    // How far into its sign the angle `x` lies, 0 <= result < 360 (under 30 for
    // consistent data).
    double degreeInSign(double x) const;
};

// What an information or aspect window shows, copied when it opens so that it does not
// depend on the engine afterwards.
struct InfoSnapshot {
    // Copies the current chart of `scene` for `window`. For the aspect windows in
    // Synastry and Transit the points are the plain longitudes of both charts (cross
    // aspects compare longitudes, not angles from two different Ascendants).
    static InfoSnapshot take(const ChartScene &scene, InfoWindow window);

    // True in Synastry and Transit, where `second` holds slot 1.
    bool twoCharts() const { return mode == ChartMode::Synastry || mode == ChartMode::Transit; }

    ChartMode mode = ChartMode::RadixI;
    ChartSettings settings;
    std::vector<AspectCode> aspects;
    QString firstName;
    QString secondName;
    InfoChart first;
    InfoChart second;
};

} // namespace orvel
