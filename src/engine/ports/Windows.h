#pragma once
// Top-level windows and the programs behind them. Titles and program names are Windows-1252.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv {

// 0 is no window.
using WindowId = std::uint64_t;

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const WindowRect&) const = default;
};

struct ProcessInfo {
    int pid = 0;
    std::string program; // the executable's file name, as the system reports it
};

class Windows {
public:
    virtual ~Windows() = default;

    // Every top-level window, front to back.
    virtual std::vector<WindowId> TopLevelWindows() = 0;
    virtual std::string Title(WindowId w) = 0;
    virtual WindowId Foreground() = 0;
    // The window's parent, 0 for a top-level window or none.
    virtual WindowId Parent(WindowId w) = 0;

    virtual bool IsMinimized(WindowId w) = 0;
    // Focus and foreground (SetFocus and SetForegroundWindow).
    virtual void Activate(WindowId w) = 0;
    virtual void Restore(WindowId w) = 0; // un-minimise, or un-maximise
    virtual void Maximize(WindowId w) = 0;
    virtual void Minimize(WindowId w) = 0;
    virtual void Close(WindowId w) = 0; // as the window's own Close command
    virtual void Show(WindowId w) = 0;
    virtual void Hide(WindowId w) = 0;
    // Asks the window's program to quit.
    virtual void Quit(WindowId w) = 0;
    virtual void Resize(WindowId w, int width, int height) = 0;
    virtual void Move(WindowId w, int left, int top) = 0;
    virtual std::optional<WindowRect> Rect(WindowId w) = 0;

    // The process that owns the window, 0 when unknown.
    virtual int ProcessOf(WindowId w) = 0;
    // Running processes in the system's order.
    virtual std::vector<ProcessInfo> Processes() = 0;
    // The program file name of a process, empty when unknown.
    virtual std::string ProgramOf(int pid) = 0;
};

} // namespace kv
