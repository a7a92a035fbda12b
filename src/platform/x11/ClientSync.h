#pragma once
// Knowing that a client has handled the input sent to it. A client reads the keymap when it
// handles the notice of a keymap change, not when the change was made, so a binding must
// stay until every client that got keys through it has caught up. _NET_WM_PING tells:
// clients answer it in event order, after everything sent before it.

#include "platform/x11/XcbConnection.h"

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace kv::x11 {

class ClientSync {
public:
    using Waiter = std::function<void(std::chrono::milliseconds)>;

    explicit ClientSync(XcbConnection& x);

    // How to wait (the event loop); without one, waits block on the X connection.
    void SetWaiter(Waiter waiter) { waiter_ = std::move(waiter); }

    // Notes the window that has the focus now as one that got keymap-dependent input.
    void NoteFocus();
    bool HasNoted() const { return !noted_.empty(); }

    // What to do about a client that cannot be asked (no _NET_WM_PING, or a question of
    // ours left unanswered until Forget()): give it a short grace from the last time a
    // window was noted, or not wait for it.
    enum class Silent { Grace, Skip };

    // Waits until the clients of the noted windows have handled what they were sent, at
    // most `timeout`.
    void CatchUp(Silent silent = Silent::Grace,
                 std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
    void Forget() { silent_.clear(); }

    // Waits without handling anything of ours, in the event loop when there is a waiter.
    void Wait(std::chrono::milliseconds time);

private:
    xcb_window_t ClientWindow(xcb_window_t w);

    XcbConnection& x_;
    Waiter waiter_;
    std::vector<xcb_window_t> noted_;
    std::map<std::uint32_t, xcb_window_t> awaiting_;
    std::set<xcb_window_t> silent_;
    std::uint32_t token_ = 1;
    std::chrono::steady_clock::time_point lastNote_{};
};

} // namespace kv::x11
