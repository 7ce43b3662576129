// The chart engine's own cost on top of the ephemeris library: a Radix chart and the
// solar return search, each against the bare library calls it makes, measured in
// alternating rounds of the same run so that both see the same machine state.
#include "engine/ChartCommands.h"
#include "engine/Ephemeris.h"
#include "engine/OffsetLookup.h"
#include "platform/Clock.h"
#include "platform/StderrMessageSink.h"
#include "support/Timing.h"

#include <swephexp.h>

using namespace orvel;
using orvel::bench::Samples;

namespace {

constexpr int Rounds = 41;
constexpr int ChartsPerRound = 200;

// The solar search's place offsets without the database: a fixed zone. Remembers the
// moments asked for, which are the moments the search computes positions for.
class FixedOffset : public OffsetLookup {
public:
    bool offsetAt(const ChartPlace &, const DateTime &local, double &offset) override
    {
        moments.push_back(local);
        offset = 1.0;
        return true;
    }

    std::vector<DateTime> moments;
};

// Birth moments one day and seven minutes apart, so that the library's cache of the
// last position never answers a call.
DateTime birth(int i)
{
    return DateTime(1950 + i / 300, 1 + (i / 25) % 12, 1 + i % 25, (i * 7 / 60) % 24, (i * 7) % 60, 0);
}

void bareChart(const DateTime &local, double deltaGmt, double longitude, double latitude)
{
    double result[6];
    char error[AS_MAXCH];
    const double jd = swe_julday(local.year(), local.month(), local.day(),
                                 local.hour() + local.minute() / 60.0 - deltaGmt, SE_GREG_CAL);
    for (int body = 0; body <= SE_MEAN_NODE; ++body)
        swe_calc_ut(jd, body, SEFLG_SPEED, result, error);
    double cusps[13], angles[10];
    swe_houses(jd, latitude, longitude, 'P', cusps, angles);
}

// The library calls of one solar return: the natal chart, the positions at each
// moment the search visited, and the houses of the last one.
void bareSolar(const DateTime &natal, const std::vector<DateTime> &moments, double longitude, double latitude)
{
    bareChart(natal, 1.0, longitude, latitude);
    double result[6];
    char error[AS_MAXCH];
    double jd = 0;
    for (const DateTime &m : moments) {
        jd = swe_julday(m.year(), m.month(), m.day(), m.hour() + m.minute() / 60.0 - 1.0, SE_GREG_CAL);
        for (int body = 0; body <= SE_MEAN_NODE; ++body)
            swe_calc_ut(jd, body, SEFLG_SPEED, result, error);
    }
    double cusps[13], angles[10];
    swe_houses(jd, latitude, longitude, 'P', cusps, angles);
}

// The library calls no search can do without: the natal chart and the chart at the
// moment where the search ends. The floor of what the engine can reach.
void bareSolarChartsAlone(const DateTime &natal, const std::vector<DateTime> &moments, double longitude,
                          double latitude)
{
    bareChart(natal, 1.0, longitude, latitude);
    bareChart(moments.back(), 1.0, longitude, latitude);
}

} // namespace

int main()
{
    Ephemeris::setDataFolder(QStringLiteral(ORVEL_EPHE_DIR));
    StderrMessageSink sink;
    ChartEngine engine(sink);
    const ChartSettings settings = ChartSettings::defaults();
    HoroscopeRecord record = HoroscopeRecord::createDefault(birth(0));
    record.latitude = QStringLiteral("52°31'12\" N");
    record.longitude = QStringLiteral("13°24'36\" E");
    record.deltaGmt = 1.0;
    const double latitude = 52 + 31 / 60.0 + 12 / 3600.0;
    const double longitude = 13 + 24 / 60.0 + 36 / 3600.0;

    Samples radix, radixBare;
    for (int round = 0; round < Rounds; ++round) {
        const int first = round * ChartsPerRound;
        radixBare.time([&] {
            for (int i = first; i < first + ChartsPerRound; ++i)
                bareChart(birth(i), 1.0, longitude, latitude);
        });
        radix.time([&] {
            for (int i = first; i < first + ChartsPerRound; ++i) {
                record.birth = birth(i);
                engine.computeChart(record, settings);
            }
        });
    }

    // The solar return. The bare version is the search as first written: every body at
    // each of the 19 moments the engine visits (found in a first pass), then the houses;
    // the engine asks for the Sun alone, only where its motion leaves the side open,
    // and computes the whole chart once.
    FixedOffset offsets;
    Clock clock;
    std::vector<HoroscopeRecord> horoscopes(2, record);
    ChartCommands commands(engine, horoscopes, settings, clock, offsets, sink);
    const ChartPlace place{"Berlin", "Germany", record.latitude, record.longitude, "D", 1};
    constexpr int SolarsPerRound = 20;
    constexpr int Years = 50 + SolarsPerRound;
    std::vector<std::vector<DateTime>> visited(Years);
    for (int y = 0; y < Years; ++y) {
        offsets.moments.clear();
        engine.setCurrentSlot(0);
        commands.showSolar(2000 + y, place);
        visited[y] = offsets.moments;
    }
    Samples solar, solarBare, solarChartsAlone;
    for (int round = 0; round < Rounds; ++round) {
        solarBare.time([&] {
            for (int i = 0; i < SolarsPerRound; ++i)
                bareSolar(record.birth, visited[round % 50 + i], longitude, latitude);
        });
        solarChartsAlone.time([&] {
            for (int i = 0; i < SolarsPerRound; ++i)
                bareSolarChartsAlone(record.birth, visited[round % 50 + i], longitude, latitude);
        });
        solar.time([&] {
            for (int i = 0; i < SolarsPerRound; ++i) {
                engine.setCurrentSlot(0);
                commands.showSolar(2000 + round % 50 + i, place);
            }
        });
    }

    std::printf("Chart engine against the bare ephemeris calls\n");
    bench::printCompared("Radix chart x200, engine", radix, "ratio <= 1.05", 0, "the bare library calls", radixBare,
                         1.05);
    bench::printCompared("Solar search x20, engine", solar, "ratio <= 0.40", 0,
                         "the bare library calls of every body at each step", solarBare, 0.40);
    bench::printCompared("  the bare library calls of the two charts alone", solarChartsAlone, "-", 0,
                         "the bare library calls of every body at each step", solarBare);
    return 0;
}
