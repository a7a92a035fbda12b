#pragma once
// The real clock: local wall time from the C library, ticks from the steady clock.

#include "engine/ports/Clock.h"

namespace kv::posix {

class SystemClock : public Clock {
public:
    DateTime Now() const override;
    std::chrono::milliseconds Ticks() const override;
};

} // namespace kv::posix
