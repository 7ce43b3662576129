#include "engine/ChartConstants.h"
#include "engine/Ephemeris.h"
#include "engine/SunTracker.h"
#include "platform/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace orvel;

namespace {

constexpr double OneMinute = 1.0 / 1440.0;

// The side the natal Sun lies on when the ephemeris is asked at every moment, as the
// solar return search first did: a failed call leaves the Sun of the last call that
// answered, and before any answer the natal Sun itself.
class AskingEveryTime {
public:
    explicit AskingEveryTime(double natalSun) : m_natalSun(natalSun), m_sun(natalSun) {}
    bool natalSunAhead(double julianDay)
    {
        if (const Result<Ephemeris::BodyPosition> position = Ephemeris::body(julianDay, Sun))
            m_sun = position->longitude;
        double diff = m_natalSun - m_sun;
        diff += diff > 180 ? -360 : diff < -180 ? 360 : 0;
        return diff > 0;
    }

private:
    double m_natalSun;
    double m_sun;
};

struct Era {
    const char *name;
    double firstDay; // Julian days (UT) the searches start in
    double lastDay;
};

// The bisection of the solar return on a one-minute grid (the search's moments drop
// their seconds): steps of 2, 1, 0.5 ... days down to a second, 19 moments.
struct Bisection {
    int moments = 0;
    int callsSaved = 0;
    int sidesDiffering = 0;
};

Bisection runBisections(const Era &era, int searches, RecordingMessageSink &errors)
{
    std::mt19937 random(42);
    std::uniform_real_distribution<double> day(era.firstDay, era.lastDay);
    std::uniform_real_distribution<double> natalOffset(-2.5, 2.5); // degrees from the Sun at the start
    Bisection result;
    for (int i = 0; i < searches; ++i) {
        const double start = day(random);
        double natalSun = natalOffset(random);
        if (const Result<Ephemeris::BodyPosition> atStart = Ephemeris::body(start, Sun))
            natalSun = std::fmod(atStart->longitude + natalSun + 360, 360);
        SunTracker tracker(errors, natalSun);
        AskingEveryTime reference(natalSun);
        double t = start;
        double step = 4.0;
        do {
            const double julianDay = std::floor(t / OneMinute) * OneMinute;
            const bool ahead = tracker.natalSunAhead(julianDay);
            result.sidesDiffering += ahead != reference.natalSunAhead(julianDay);
            ++result.moments;
            step = ahead ? std::abs(step) / 2 : -std::abs(step) / 2;
            t += step;
        } while (std::abs(step) >= 1.0 / 86400.0);
        result.callsSaved += 19 - tracker.ephemerisCalls();
    }
    return result;
}

} // namespace

class SunTrackerTest : public ::testing::Test {
protected:
    void SetUp() override { Ephemeris::setDataFolder(QStringLiteral(ORVEL_EPHE_DIR)); }
};

// Searches in the eras of the ephemeris files, of the analytical ephemeris before and
// after them, across both switches between the two, and around the natal Sun at 0°:
// every side decided without a call is the side the ephemeris gives, and most calls
// are saved.
TEST_F(SunTrackerTest, DecidesEverySideAsAskingTheEphemerisWould)
{
    const Era eras[] = {
        {"1900 to 2100", 2415020.5, 2488069.5},
        {"3000 BC to 1000 BC", 625673.5, 1355807.5},
        {"2500 to 2950", 2634166.5, 2798528.5},
        {"across the switch in 1800", 2378496.5 - 4, 2378496.5 + 4},
        {"across the switch in 2400", 2597641.5 - 4, 2597641.5 + 4},
        {"around the March equinox 2024", 2460389.6 - 3, 2460389.6 + 3},
    };
    for (const Era &era : eras) {
        SCOPED_TRACE(era.name);
        RecordingMessageSink errors;
        const Bisection run = runBisections(era, 400, errors);
        EXPECT_EQ(run.moments, 400 * 19);
        EXPECT_EQ(run.sidesDiffering, 0);
        EXPECT_GT(run.callsSaved, 400 * 10);
        EXPECT_TRUE(errors.messages.isEmpty());
    }
}

// At the end of the ephemeris (early in AD 3000) calls fail: the side then follows the
// last moment where the ephemeris answers, as before, and each failed call is shown.
TEST_F(SunTrackerTest, FailedCallsAtTheEndOfTheEphemerisKeepTheSidesOfAskingEveryTime)
{
    const Result<Ephemeris::BodyPosition> sun = Ephemeris::body(2818001.0, Sun);
    ASSERT_FALSE(sun) << "the ephemeris now reaches further";
    EXPECT_FALSE(sun.message().isEmpty());
    RecordingMessageSink errors;
    const Bisection run = runBisections({"around the end", 2818000.5 - 6, 2818000.5 + 2}, 300, errors);
    EXPECT_EQ(run.sidesDiffering, 0);
    EXPECT_FALSE(errors.messages.isEmpty());
}

TEST_F(SunTrackerTest, WithoutAnyAnswerTheNatalSunStandsAndIsNotAhead)
{
    RecordingMessageSink errors;
    SunTracker tracker(errors, 123.0);
    EXPECT_FALSE(tracker.natalSunAhead(4000000.0));
    EXPECT_FALSE(tracker.natalSunAhead(4000002.0));
    EXPECT_EQ(errors.messages.size(), 2);
}
