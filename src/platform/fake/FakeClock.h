#pragma once
// A clock that stands still until told to move.

#include "engine/ports/Clock.h"

namespace kv::fake {

class FakeClock : public Clock {
public:
    explicit FakeClock(DateTime start = DateTime{2026, 1, 1, 12, 0, 0, 0}) : now_(start) {}

    DateTime Now() const override { return now_; }
    std::chrono::milliseconds Ticks() const override { return ticks_; }

    void Set(DateTime t) { now_ = t; }
    // Moves both the wall clock and the tick count.
    void Advance(std::chrono::milliseconds ms);

private:
    DateTime now_;
    std::chrono::milliseconds ticks_{0};
};

} // namespace kv::fake
