#pragma once

#include <chrono>
#include <thread>

namespace tessellon::test {

// Waits until condition holds, looking again every millisecond: true once it holds, false
// when it still does not after a minute. The minute only keeps a broken test from hanging;
// a loaded machine takes as long as it needs.
template <class Condition> bool waitUntil(Condition condition)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace tessellon::test
