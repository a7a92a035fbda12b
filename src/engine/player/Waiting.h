#pragma once
// A wait that hands the time to the event loop: pending events are handled at least once,
// then the loop blocks until the time is up. Nothing spins.

#include "engine/ports/Clock.h"
#include "engine/ports/EventPump.h"

#include <cstdint>

namespace kv {

void WaitUnscaled(EventPump& pump, const Clock& clock, std::int64_t ms);

} // namespace kv
