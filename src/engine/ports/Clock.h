#pragma once
// Time is injected: the engine never reads the system clock itself, so every rule that
// depends on the date or on elapsed time is tested at any moment without waiting.

#include "engine/core/DateTime.h"

#include <chrono>

namespace kv {

class Clock {
public:
    virtual ~Clock() = default;

    // The local wall-clock date and time.
    virtual DateTime Now() const = 0;

    // A monotonic tick count (GetTickCount's role), for measuring waits.
    virtual std::chrono::milliseconds Ticks() const = 0;
};

} // namespace kv
