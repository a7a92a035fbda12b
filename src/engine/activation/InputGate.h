#pragma once
// Hot keys and typed characters that come while a handler is at work (a macro playing, or
// the clients catching up after it) wait until it is done, then run in the order they
// came: one playback never starts inside another, and no hot key of the user's is lost.
// A paused macro, a popup menu and a capture take their keys at once: those handlers wait
// for the user, and dispatch answers such keys (resume, or a warning).

#include "engine/activation/Dispatch.h"
#include "engine/activation/Typewords.h"

#include <deque>
#include <functional>
#include <variant>

namespace kv {

using HeldInput = std::variant<HotKeyMessage, TypedChar>;

class InputGate {
public:
    // `deliver` handles one input: what is offered now, or what was held back.
    InputGate(const DispatchState& state, const SharedBlock& block,
              std::function<void(const HeldInput&)> deliver)
        : state_(state), block_(block), deliver_(std::move(deliver)) {}

    // Delivers the input now, or after the handler at work when one is.
    void Offer(const HeldInput& input);
    // Runs a handler that is not input (a timer's); input that comes meanwhile is held.
    void Run(const std::function<void()>& handler);
    // The user aborted the playback: what was pressed during it is dropped with it.
    void Clear() { held_.clear(); }

    // Runs before the outermost handler and before each held input: there the hook makes
    // sure it has seen the end of the last playback, so that the playing byte belongs to the
    // playback about to start.
    std::function<void()> settle;

    bool Busy() const { return depth_ > 0; }
    std::size_t HeldCount() const { return held_.size(); }

private:
    bool WaitsForUser() const;

    const DispatchState& state_;
    const SharedBlock& block_;
    std::function<void(const HeldInput&)> deliver_;
    int depth_ = 0;
    std::deque<HeldInput> held_;
};

} // namespace kv
