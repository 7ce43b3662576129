#include "engine/SunTracker.h"

#include "engine/ChartSlot.h"
#include "platform/MessageSink.h"

#include <algorithm>
#include <cmath>

namespace orvel {

SunTracker::SunTracker(MessageSink &errors, double natalSun) : m_errors(errors), m_natalSun(natalSun)
{
    m_visited.reserve(24);
}

bool SunTracker::natalSunAhead(double julianDayUt)
{
    m_visited.push_back(julianDayUt);
    if (const std::optional<bool> side = certainSide(julianDayUt))
        return *side;
    Ephemeris::BodyPosition sun;
    if (ask(julianDayUt, sun, true)) {
        m_reference = Reference{julianDayUt, sun};
        return difference(sun.longitude) > 0;
    }
    m_failed = true;
    return difference(latestAnsweredLongitude()) > 0;
}

std::optional<bool> SunTracker::certainSide(double julianDayUt) const
{
    if (!m_reference || julianDayUt < m_answeredFrom || julianDayUt > m_answeredTo)
        return std::nullopt;
    const double days = julianDayUt - m_reference->julianDay;
    if (days == 0)
        return difference(m_reference->sun.longitude) > 0;
    const double guess = difference(m_reference->sun.longitude + m_reference->sun.speed * days);
    const double margin = MaxAcceleration * days * days / 2 + MaxDeviation;
    // Near ±180 the fold could flip the sign; the search never gets there, but a
    // guess that close is left to the ephemeris.
    if (std::abs(guess) <= margin || std::abs(guess) >= 180 - margin)
        return std::nullopt;
    return guess > 0;
}

bool SunTracker::ask(double julianDayUt, Ephemeris::BodyPosition &sun, bool showError)
{
    ++m_calls;
    const Result<Ephemeris::BodyPosition> asked = Ephemeris::body(julianDayUt, Sun);
    if (asked) {
        sun = asked.value();
        m_answeredFrom = std::min(m_answeredFrom, julianDayUt);
        m_answeredTo = std::max(m_answeredTo, julianDayUt);
        return true;
    }
    if (showError)
        m_errors.showMessage(asked.message());
    return false;
}

// The moments before the failed one were mostly decided without a call; the latest of
// them where the ephemeris answers gives the longitude a failed computation leaves behind.
double SunTracker::latestAnsweredLongitude()
{
    for (auto it = m_visited.rbegin() + 1; it != m_visited.rend(); ++it) {
        Ephemeris::BodyPosition sun;
        if (ask(*it, sun, false))
            return sun.longitude;
    }
    return m_natalSun;
}

double SunTracker::difference(double sunLongitude) const
{
    double diff = m_natalSun - sunLongitude;
    if (diff > 180)
        diff -= 360;
    else if (diff < -180)
        diff += 360;
    return diff;
}

} // namespace orvel
