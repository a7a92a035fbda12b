#include "engine/player/Waiting.h"

namespace kv {

void WaitUnscaled(EventPump& pump, const Clock& clock, std::int64_t ms) {
    const auto start = clock.Ticks();
    pump.ProcessPending();
    for (;;) {
        const std::int64_t left = ms - (clock.Ticks() - start).count();
        if (left <= 0)
            break;
        pump.WaitFor(std::chrono::milliseconds(left));
    }
}

} // namespace kv
