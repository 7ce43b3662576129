#pragma once

#include "engine/Ephemeris.h"

#include <limits>
#include <optional>
#include <vector>

namespace orvel {

class MessageSink;

// Tells the solar return's bisection on which side of the natal Sun the Sun stands at
// each moment it visits, asking the ephemeris as seldom as the answer allows.
//
// The Sun's apparent longitude is smooth: from one exact position and its daily motion,
// its longitude Δ days away lies within MaxAcceleration·Δ²/2 + MaxDeviation of the
// straight-line guess (the largest deviations found between 3000 BC and AD 3000 are
// about a seventh of these bounds, the switch between ephemeris files included). Where
// that margin decides the side, and the moment lies between moments the ephemeris has
// answered (its range is one stretch of time, so it answers there too), no call is
// made; elsewhere the ephemeris is asked and its answer becomes the new reference.
// Every answer is therefore the one that asking the ephemeris at every moment gives.
class SunTracker {
public:
    SunTracker(MessageSink &errors, double natalSun);

    // True when the natal Sun lies ahead of the Sun at the Julian day (UT), that is
    // when their difference folded into -180..180 is above 0. An ephemeris error is
    // shown and the Sun of the latest moment visited where the ephemeris answers stands in;
    // where it answered nowhere, the natal Sun itself (not ahead).
    bool natalSunAhead(double julianDayUt);

    // Whether the ephemeris refused a moment asked about.
    bool failed() const { return m_failed; }
    int ephemerisCalls() const { return m_calls; }

    static constexpr double MaxAcceleration = 0.005; // degrees per day², about 7 × the Sun's
    static constexpr double MaxDeviation = 1e-4;     // degrees, about 13 × the file switch

private:
    struct Reference {
        double julianDay;
        Ephemeris::BodyPosition sun;
    };

    std::optional<bool> certainSide(double julianDayUt) const;
    bool ask(double julianDayUt, Ephemeris::BodyPosition &sun, bool showError);
    double latestAnsweredLongitude();
    double difference(double sunLongitude) const;

    MessageSink &m_errors;
    double m_natalSun;
    std::optional<Reference> m_reference;
    // Earliest and latest Julian days the ephemeris answered; empty while from > to.
    double m_answeredFrom = std::numeric_limits<double>::infinity();
    double m_answeredTo = -std::numeric_limits<double>::infinity();
    std::vector<double> m_visited; // Julian days of the moments asked about, in order
    int m_calls = 0;
    bool m_failed = false;
};

} // namespace orvel
