#pragma once
// The main thread's event loop, as the engine's waits see it. A wait never spins: it
// processes what is pending and then blocks in the event loop until an event arrives or
// the time is up.

#include <chrono>

namespace kv {

class EventPump {
public:
    virtual ~EventPump() = default;

    // Handles every pending event (hot keys, timers, the abort key) and returns.
    virtual void ProcessPending() = 0;
    // Blocks until an event arrives or `timeout` has passed, handling what arrives.
    virtual void WaitFor(std::chrono::milliseconds timeout) = 0;
};

} // namespace kv
