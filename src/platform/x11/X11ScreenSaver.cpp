#include "platform/x11/X11ScreenSaver.h"

#include <xcb/screensaver.h>

namespace kv::x11 {

X11ScreenSaver::~X11ScreenSaver() {
    if (suppressed_)
        Suppress(false);
}

void X11ScreenSaver::Suppress(bool on) {
    if (on == suppressed_)
        return;
    // The server lifts a suspension by itself when this connection closes.
    xcb_screensaver_suspend(x_.Raw(), on ? 1 : 0);
    x_.Flush();
    suppressed_ = on;
}

} // namespace kv::x11
