#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <vector>

namespace tessellon::bench {

inline double millisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// The processor time the program spent on the work: on a machine shared with other
// programs it stays near what the work takes alone, where the time on the clock does not.
inline double cpuMillisecondsOf(const std::function<void()>& work)
{
    const std::clock_t start = std::clock();
    work();
    return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// The median and the best of a benchmark's runs, in milliseconds.
struct Timing {
    double median = 0;
    double best = 0;
};

inline Timing timingOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return { times[times.size() / 2], times.front() };
}

} // namespace tessellon::bench
