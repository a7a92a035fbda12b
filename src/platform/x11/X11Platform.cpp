#include "platform/x11/X11Platform.h"

#include <QGuiApplication>

#include <cstdlib>

namespace kv::x11 {

X11Platform::X11Platform(std::unique_ptr<XcbConnection> connection)
    : x_(std::move(connection)), input_(*x_), pump_([this] { input_.FlushPending(); }),
      windows_(*x_, pump_), desktop_(*x_) {
    input_.Sync().SetWaiter([this](std::chrono::milliseconds ms) { pump_.WaitFor(ms); });
}

X11Platform::~X11Platform() {
    // While the event loop can still run for the wait; the input's own clean-up then
    // finds nothing left to do.
    input_.RestoreSpareKeys();
    input_.Sync().SetWaiter({});
}

std::unique_ptr<X11Platform> OpenPlatform(std::string* error) {
    auto fail = [&](const char* message) {
        if (error)
            *error = message;
        return nullptr;
    };
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        return fail("DISPLAY is not set: playing needs an X display");
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail("the X11 back end needs a QGuiApplication");
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return fail("the X11 back end needs Qt's xcb platform (QT_QPA_PLATFORM=xcb)");
    auto connection = std::make_unique<XcbConnection>(display);
    if (!connection->Ok())
        return fail("cannot open the X display in DISPLAY");
    auto platform = std::make_unique<X11Platform>(std::move(connection));
    if (!platform->X11InputPort().Ok())
        return fail("the X display lacks the XTEST or XKEYBOARD extension");
    return platform;
}

} // namespace kv::x11
