#pragma once
// Waiting for a GPS fix that a reader thread fills: polls the fix until the condition holds.
// The deadline only bounds a failing test; a passing one returns as soon as the fix is there.

#include "core/gps/GpsFix.h"

#include <chrono>
#include <thread>

template <typename Condition> bool WaitFor(const GpsFix& fix, Condition condition) {
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition(fix.Snapshot()))
            return true;
        std::this_thread::sleep_for(5ms);
    }
    return false;
}
