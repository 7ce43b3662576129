#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace orvel::bench {

// Wall-clock samples of one measured task, in microseconds.
class Samples {
public:
    void add(double micros) { m_micros.push_back(micros); }
    double median() const { return sorted()[m_micros.size() / 2]; }
    double min() const { return *std::min_element(m_micros.begin(), m_micros.end()); }
    double max() const { return *std::max_element(m_micros.begin(), m_micros.end()); }
    std::size_t size() const { return m_micros.size(); }

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
        std::vector<double> s = m_micros;
        std::sort(s.begin(), s.end());
        return s;
    }

    std::vector<double> m_micros;
};

// One printed figure: median with min and max, the target, and optionally the ratio
// against a baseline measured in the same run.
inline void printFigure(const char *what, const Samples &samples, const char *target)
{
    std::printf("%-48s median %10.1f us  min %10.1f us  max %10.1f us  (%zu runs; target %s)\n", what,
                samples.median(), samples.min(), samples.max(), samples.size(), target);
}

inline void printRatio(const char *what, const Samples &measured, const Samples &baseline, const char *target)
{
    const double ratio = measured.median() / baseline.median();
    std::printf("%-48s ratio %.4f (overhead %+.2f %%; target %s)\n", what, ratio, (ratio - 1) * 100, target);
}

} // namespace orvel::bench
