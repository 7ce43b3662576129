#include "render/InfoSnapshot.h"

#include "engine/ChartMath.h"
#include "engine/ChartScene.h"

#include <QCoreApplication>

namespace orvel {

namespace {

// The index whose span [bounds[s], bounds[s + 1]) holds x, the span after the last
// bound running on to the first; spans that cross 0 count on both sides of it.
int spanOf(const std::array<double, 12> &bounds, double x)
{
    for (int s = 0; s < 12; ++s) {
        const double a = bounds[s];
        const double b = bounds[(s + 1) % 12];
        const bool inside = a <= b ? a <= x && x < b : (x >= a && x < b + 360.0) || x < b;
        if (inside)
            return s;
    }
    return 0;
}

QString horoscopeName(const ChartScene &scene, int index)
{
    return index >= 0 && index < static_cast<int>(scene.horoscopes.size()) ? scene.horoscopes[index].name : QString();
}

InfoChart chartOf(const ChartSlot &slot, bool plainPoints)
{
    InfoChart chart;
    const double ascendant = slot.longitude[Ascendant];
    for (int s = 0; s < SignCount; ++s)
        chart.signStart[s] = wheelAngle(30.0 * s, ascendant);
    for (int h = 0; h < HouseCount; ++h)
        chart.cusp[h] = wheelAngle(slot.cusp[h], ascendant);
    for (int p = 0; p < PointCount; ++p) {
        chart.points[p] = plainPoints ? slot.longitude[p] : wheelAngle(slot.longitude[p], ascendant);
        if (!plainPoints)
            chart.motion[p] = slot.speed[p];
    }
    return chart;
}

} // namespace

int InfoChart::signOf(double x) const
{
    return spanOf(signStart, x);
}

int InfoChart::houseOf(double x) const
{
    return spanOf(cusp, x);
}

double InfoChart::degreeInSign(double x) const
{
    const double d = x - signStart[signOf(x)];
    return d < 0 ? d + 360.0 : d;
}

InfoSnapshot InfoSnapshot::take(const ChartScene &scene, InfoWindow window)
{
    const bool forAspects = window == InfoWindow::AspectsGraphic || window == InfoWindow::AspectsTable;
    InfoSnapshot snapshot;
    snapshot.mode = scene.mode();
    snapshot.settings = scene.settings;
    snapshot.aspects = scene.engine.aspects();
    const int current = scene.engine.currentSlot();
    switch (snapshot.mode) {
    case ChartMode::RadixI:
    case ChartMode::RadixII:
    case ChartMode::Solar:
        snapshot.firstName = horoscopeName(scene, current);
        snapshot.first = chartOf(scene.engine.slot(current), false);
        break;
    case ChartMode::Composite:
        snapshot.firstName = horoscopeName(scene, 0);
        snapshot.secondName = horoscopeName(scene, 1);
        snapshot.first = chartOf(scene.engine.slot(current), false);
        break;
    case ChartMode::Synastry:
    case ChartMode::Transit:
        if (snapshot.mode == ChartMode::Synastry) {
            snapshot.firstName = horoscopeName(scene, 0);
            snapshot.secondName = horoscopeName(scene, 1);
        } else {
            snapshot.firstName = horoscopeName(scene, current);
            snapshot.secondName = QCoreApplication::translate("orvel::InfoSnapshot", "Current transits");
        }
        snapshot.first = chartOf(scene.engine.slot(0), forAspects);
        snapshot.second = chartOf(scene.engine.slot(1), forAspects);
        break;
    }
    return snapshot;
}

} // namespace orvel
