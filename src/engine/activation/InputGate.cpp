#include "engine/activation/InputGate.h"

namespace kv {

bool InputGate::WaitsForUser() const {
    return state_.paused || state_.popupShown || block_.CaptureFlag();
}

void InputGate::Offer(const HeldInput& input) {
    if (Busy() && !WaitsForUser()) {
        held_.push_back(input);
        return;
    }
    Run([&] { deliver_(input); });
}

void InputGate::Run(const std::function<void()>& handler) {
    // Settling may read more input: it is held, to come after this in its turn.
    if (++depth_ == 1 && settle)
        settle();
    handler();
    --depth_;
    // Only the outermost handler lets the held input through; each runs as a handler of
    // its own, so input that comes during it waits in turn.
    while (depth_ == 0 && !held_.empty()) {
        const HeldInput next = held_.front();
        held_.pop_front();
        ++depth_;
        if (settle)
            settle();
        deliver_(next);
        --depth_;
    }
}

} // namespace kv
