#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace orvel::bench {

// The samples of one measured quantity: wall-clock microseconds from time(), or any
// other per-run value from add() in the unit given at construction.
class Samples {
public:
    explicit Samples(const char *unit = "us") : m_unit(unit) {}

    void add(double value) { m_values.push_back(value); }
    double median() const { return sorted()[m_values.size() / 2]; }
    double min() const { return *std::min_element(m_values.begin(), m_values.end()); }
    double max() const { return *std::max_element(m_values.begin(), m_values.end()); }
    std::size_t size() const { return m_values.size(); }
    const char *unit() const { return m_unit; }

    // Runs `task` once and records how long it took.
    void time(const std::function<void()> &task)
    {
        const auto start = std::chrono::steady_clock::now();
        task();
        add(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }

private:
    std::vector<double> sorted() const
    {
        std::vector<double> s = m_values;
        std::sort(s.begin(), s.end());
        return s;
    }

    const char *m_unit;
    std::vector<double> m_values;
};

// The verdict on a median against its promised bound; a bound of 0 promises nothing.
inline const char *verdict(double median, double bound)
{
    return bound <= 0 ? "" : median <= bound ? ": met" : ": MISSED";
}

// One figure: median, min and max, and the target. `bound` is the promised largest
// median in the samples' unit, 0 for a baseline or a figure without a promise.
inline void printFigure(const char *what, const Samples &samples, const char *target, double bound = 0)
{
    std::printf("%-52s median %10.1f %-3s min %10.1f %-3s max %10.1f %-3s (%zu runs; target %s%s)\n", what,
                samples.median(), samples.unit(), samples.min(), samples.unit(), samples.max(), samples.unit(),
                samples.size(), target, verdict(samples.median(), bound));
}

// The ratio of two medians measured in the same run. `bound` is the promised largest
// ratio, 0 when only the baseline's share is of interest.
inline void printRatio(const char *what, const Samples &measured, const Samples &baseline, double bound = 0)
{
    const double ratio = measured.median() / baseline.median();
    char target[32] = "none";
    if (bound > 0)
        std::snprintf(target, sizeof target, "<= %.2f", bound);
    std::printf("%-52s ratio %.4f (overhead %+.1f %%; target %s%s)\n", what, ratio, (ratio - 1) * 100, target,
                verdict(ratio, bound));
}

// A figure, then the baseline measured in the same run, then their ratio.
// `ratioBound` is the promised largest ratio, 0 when there is none.
inline void printCompared(const char *what, const Samples &measured, const char *target, double bound,
                          const char *baselineWhat, const Samples &baseline, double ratioBound = 0)
{
    printFigure(what, measured, target, bound);
    printFigure(("  baseline: " + std::string(baselineWhat)).c_str(), baseline, "-");
    printRatio("  ratio to the baseline", measured, baseline, ratioBound);
}

} // namespace orvel::bench
