#pragma once
// Keyvane's own connection to the X server. Input synthesis, the keymap and window
// commands share it, so the server sees our requests in the order we made them: a keymap
// change is always in force before the key event that relies on it.

#include <xcb/xcb.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv::x11 {

struct FreeDeleter {
    void operator()(void* p) const;
};
// A reply or event that xcb hands over for us to free.
template <typename T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

class XcbConnection {
public:
    // Connects to `display` (empty: $DISPLAY). Check Ok() afterwards.
    explicit XcbConnection(const std::string& display = {});
    ~XcbConnection();
    XcbConnection(const XcbConnection&) = delete;
    XcbConnection& operator=(const XcbConnection&) = delete;

    bool Ok() const { return conn_ != nullptr; }
    xcb_connection_t* Raw() const { return conn_; }
    xcb_window_t Root() const { return screen_->root; }
    const xcb_screen_t& Screen() const { return *screen_; }

    xcb_atom_t Atom(std::string_view name);

    // A property as 32-bit items (windows, cardinals, atoms); empty when absent.
    std::vector<std::uint32_t> Cardinals(xcb_window_t w, xcb_atom_t property, xcb_atom_t type);
    // A property as bytes (text); nullopt when absent.
    std::optional<std::string> Bytes(xcb_window_t w, xcb_atom_t property, xcb_atom_t type);

    // A 32-bit client message to the root window, as EWMH and ICCCM ask of clients.
    void SendToRoot(xcb_window_t w, xcb_atom_t type, std::uint32_t d0, std::uint32_t d1 = 0,
                    std::uint32_t d2 = 0, std::uint32_t d3 = 0, std::uint32_t d4 = 0);

    // Whether window w takes part in `protocol` (listed in its WM_PROTOCOLS).
    bool HasProtocol(xcb_window_t w, xcb_atom_t protocol);
    // The WM_PROTOCOLS message for `protocol` to w itself (WM_DELETE_WINDOW, _NET_WM_PING).
    void SendProtocol(xcb_window_t w, xcb_atom_t protocol, std::uint32_t time,
                      std::uint32_t d2 = 0);

    void Flush();
    // A round trip: everything sent before has been processed by the server.
    void Sync();

    // Hands every event that has arrived to the listeners, without blocking.
    void DispatchEvents();
    using Listener = std::function<void(const xcb_generic_event_t&)>;
    void AddListener(Listener listener) { listeners_.push_back(std::move(listener)); }

private:
    xcb_connection_t* conn_ = nullptr;
    const xcb_screen_t* screen_ = nullptr;
    std::map<std::string, xcb_atom_t, std::less<>> atoms_;
    std::vector<Listener> listeners_;
};

} // namespace kv::x11
