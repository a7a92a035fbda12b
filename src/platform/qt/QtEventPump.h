#pragma once
// The engine's waits on Qt's event loop: ProcessPending handles what is queued, WaitFor
// blocks in a local event loop until a single-shot timer ends it. Nothing spins.

#include "engine/ports/EventPump.h"

#include <chrono>
#include <functional>

class QEventLoop;

namespace kv::qt {

// Runs loop, handling events, until something quits it or `limit` has passed.
void RunLoopFor(QEventLoop& loop, std::chrono::milliseconds limit);

class QtEventPump final : public EventPump {
public:
    // `beforeEvents` runs first in every call: the input back end sends what it held back,
    // so that nothing waits half-pressed while the loop runs.
    explicit QtEventPump(std::function<void()> beforeEvents = {});

    void ProcessPending() override;
    void WaitFor(std::chrono::milliseconds timeout) override;

private:
    std::function<void()> beforeEvents_;
};

} // namespace kv::qt
