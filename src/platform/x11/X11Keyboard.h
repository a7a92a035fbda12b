#pragma once
// The server's keyboard as Keyvane types on it: the active layout, kept current when the
// layout, its group or the lock state changes, and the spare keys.

#include "platform/x11/KeyboardLayout.h"
#include "platform/x11/SpareKeys.h"
#include "platform/x11/XcbConnection.h"

#include <memory>

struct xkb_context;

namespace kv::x11 {

class X11Keyboard {
public:
    explicit X11Keyboard(XcbConnection& x);
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    // False when the server has no usable XKB extension.
    bool Ok() const { return layout_ != nullptr; }

    // The layout in force, after the changes the server has told us about.
    KeyboardLayout& Layout();
    SpareKeys& Spares() { return spares_; }

private:
    void OnEvent(const xcb_generic_event_t& ev);
    void Reload();

    XcbConnection& x_;
    xkb_context* context_ = nullptr;
    std::int32_t device_ = -1;
    std::uint8_t xkbEvent_ = 0;
    SpareKeys spares_;
    std::unique_ptr<KeyboardLayout> layout_;
    bool stale_ = false;
};

} // namespace kv::x11
