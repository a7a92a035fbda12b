#pragma once
// Keeps the X screen saver from starting while timed macros wait to type.

#include "engine/ports/ScreenSaver.h"
#include "platform/x11/XcbConnection.h"

namespace kv::x11 {

class X11ScreenSaver final : public ScreenSaver {
public:
    explicit X11ScreenSaver(XcbConnection& x) : x_(x) {}
    ~X11ScreenSaver() override;
    void Suppress(bool on) override;

private:
    XcbConnection& x_;
    bool suppressed_ = false;
};

} // namespace kv::x11
