#pragma once

#include <algorithm>
#include <chrono>
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
