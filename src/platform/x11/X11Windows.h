#pragma once
// Top-level windows through the window manager (EWMH), or plain X11 when none runs.
// A WindowId is the client's own X window, never the manager's frame around it.

#include "engine/ports/EventPump.h"
#include "engine/ports/Windows.h"
#include "platform/x11/XcbConnection.h"

#include <chrono>
#include <functional>

namespace kv::x11 {

class X11Windows final : public Windows {
public:
    // `pump` runs while a command waits for the window manager to carry it out.
    X11Windows(XcbConnection& x, EventPump& pump);

    std::vector<WindowId> TopLevelWindows() override;
    std::string Title(WindowId w) override;
    WindowId Foreground() override;
    WindowId Parent(WindowId w) override;
    bool IsMinimized(WindowId w) override;
    void Activate(WindowId w) override;
    void Restore(WindowId w) override;
    void Maximize(WindowId w) override;
    void Minimize(WindowId w) override;
    void Close(WindowId w) override;
    void Show(WindowId w) override;
    void Hide(WindowId w) override;
    void Quit(WindowId w) override;
    void Resize(WindowId w, int width, int height) override;
    void Move(WindowId w, int left, int top) override;
    std::optional<WindowRect> Rect(WindowId w) override;
    int ProcessOf(WindowId w) override;
    std::vector<ProcessInfo> Processes() override;
    std::string ProgramOf(int pid) override;

    bool HasWindowManager();
    bool IsMaximized(WindowId w);

    // How long a command waits for the window manager to carry it out.
    static constexpr std::chrono::milliseconds kSettle{1000};

private:
    bool Exists(xcb_window_t w);
    bool IsViewable(xcb_window_t w);
    std::vector<xcb_atom_t> NetState(xcb_window_t w);
    void ChangeNetState(xcb_window_t w, std::uint32_t action);
    bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

    XcbConnection& x_;
    EventPump& pump_;
    // Windows that Hide withdrew: no manager lists them, yet Show must find them again.
    std::vector<xcb_window_t> hidden_;
};

} // namespace kv::x11
