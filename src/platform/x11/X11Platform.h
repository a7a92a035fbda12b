#pragma once
// The X11 back end, put together: one connection to the display in DISPLAY and the ports
// that the engine plays through. Needs a QGuiApplication on the xcb platform (the
// clipboard, sounds and the event loop are Qt's), created before OpenPlatform.

#include "platform/qt/QtEventPump.h"
#include "platform/x11/X11Desktop.h"
#include "platform/x11/X11Input.h"
#include "platform/x11/X11Windows.h"
#include "platform/x11/XcbConnection.h"

#include <memory>
#include <string>

namespace kv::x11 {

class X11Platform {
public:
    explicit X11Platform(std::unique_ptr<XcbConnection> connection);
    ~X11Platform();

    Input& GetInput() { return input_; }
    Windows& GetWindows() { return windows_; }
    Desktop& GetDesktop() { return desktop_; }
    EventPump& Pump() { return pump_; }

    X11Input& X11InputPort() { return input_; }
    X11Windows& X11WindowsPort() { return windows_; }
    XcbConnection& Connection() { return *x_; }

    // Call when a playback has ended: gives the spare keys their mapping back. The
    // destructor does it too.
    void EndPlayback() { input_.EndPlayback(); }

private:
    std::unique_ptr<XcbConnection> x_;
    X11Input input_;
    qt::QtEventPump pump_;
    X11Windows windows_;
    X11Desktop desktop_;
};

// Opens the back end on $DISPLAY; nullptr with a message in `error` when it cannot.
std::unique_ptr<X11Platform> OpenPlatform(std::string* error);

} // namespace kv::x11
