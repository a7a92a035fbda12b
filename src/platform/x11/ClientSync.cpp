#include "platform/x11/ClientSync.h"

#include <algorithm>
#include <poll.h>

namespace kv::x11 {

namespace {
// Xlib clients read the keymap lazily and cannot be asked; this covers a client that is
// merely busy.
constexpr std::chrono::milliseconds kGrace{150};
} // namespace

ClientSync::ClientSync(XcbConnection& x) : x_(x) {
    x_.AddListener([this](const xcb_generic_event_t& ev) {
        if ((ev.response_type & 0x7F) != XCB_CLIENT_MESSAGE)
            return;
        const auto& m = reinterpret_cast<const xcb_client_message_event_t&>(ev);
        if (m.format == 32 && m.type == x_.Atom("WM_PROTOCOLS") &&
            m.data.data32[0] == x_.Atom("_NET_WM_PING"))
            awaiting_.erase(m.data.data32[1]);
    });
}

xcb_window_t ClientSync::ClientWindow(xcb_window_t w) {
    // The focus may rest on a child; the protocols live on the top-level window.
    xcb_atom_t protocols = x_.Atom("WM_PROTOCOLS");
    while (w != XCB_NONE && w != x_.Root()) {
        if (!x_.Cardinals(w, protocols, XCB_ATOM_ATOM).empty())
            return w;
        XcbPtr<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(x_.Raw(), xcb_query_tree(x_.Raw(), w), nullptr));
        if (!tree)
            break;
        w = tree->parent;
    }
    return XCB_NONE;
}

void ClientSync::NoteFocus() {
    XcbPtr<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(x_.Raw(), xcb_get_input_focus(x_.Raw()), nullptr));
    xcb_window_t w = focus ? focus->focus : XCB_NONE;
    if (std::find(noted_.begin(), noted_.end(), w) == noted_.end())
        noted_.push_back(w);
    lastNote_ = std::chrono::steady_clock::now();
}

void ClientSync::Wait(std::chrono::milliseconds time) {
    if (waiter_) {
        waiter_(time);
        return;
    }
    pollfd p{xcb_get_file_descriptor(x_.Raw()), POLLIN, 0};
    poll(&p, 1, static_cast<int>(time.count()));
}

void ClientSync::CatchUp(Silent silent, std::chrono::milliseconds timeout) {
    if (noted_.empty())
        return;
    std::vector<xcb_window_t> noted;
    noted.swap(noted_);
    bool grace = false;
    xcb_atom_t ping = x_.Atom("_NET_WM_PING");
    // The answers go to the root window, for structure (Qt) or substructure (EWMH)
    // listeners; listen there only while waiting for them.
    const std::uint32_t listen =
        XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x_.Raw(), x_.Root(), XCB_CW_EVENT_MASK, &listen);
    for (xcb_window_t focus : noted) {
        xcb_window_t w = ClientWindow(focus);
        if (!w || !x_.HasProtocol(w, ping) || silent_.count(w)) {
            // Not waited for now, so still owed a grace the next time.
            if (silent == Silent::Skip)
                noted_.push_back(focus);
            grace = grace || silent == Silent::Grace;
            continue;
        }
        // The timestamp field carries the token back in the answer.
        x_.SendProtocol(w, ping, token_, w);
        awaiting_[token_++] = w;
    }
    x_.Flush();
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (;;) {
        x_.DispatchEvents();
        auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        bool answered = awaiting_.empty();
        if ((answered && (!grace || Clock::now() >= lastNote_ + kGrace)) || waited >= timeout)
            break;
        Wait(std::chrono::milliseconds(5));
    }
    for (const auto& [token, w] : awaiting_)
        silent_.insert(w);
    awaiting_.clear();
    const std::uint32_t none = XCB_EVENT_MASK_NO_EVENT;
    xcb_change_window_attributes(x_.Raw(), x_.Root(), XCB_CW_EVENT_MASK, &none);
    x_.Flush();
}

} // namespace kv::x11
