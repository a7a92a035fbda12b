#include "engine/player/WindowFinder.h"

#include "engine/core/Ansi.h"
#include "engine/macrotext/TagTable.h"

#include <algorithm>

namespace kv {
namespace {

// Titles are read up to this many characters, as the window list gives them.
std::string TitleOf(Windows& w, WindowId id) {
    return w.Title(id).substr(0, kFreeTextMax);
}

} // namespace

bool WindowFinder::GetWinHandle(std::string_view title, WindowId& found) {
    if (title.empty())
        return false;
    const std::vector<WindowId> windows = w_.TopLevelWindows();
    for (WindowId id : windows) {
        if (TitleOf(w_, id) == title) {
            found = id;
            return true;
        }
    }
    const std::string wanted = AnsiUpper(title);
    for (WindowId id : windows) {
        const std::string t = TitleOf(w_, id);
        if (!t.empty() && AnsiUpper(t).find(wanted) != std::string::npos) {
            found = id;
            return true;
        }
    }
    return false;
}

void WindowFinder::BringForward(WindowId window) {
    if (w_.IsMinimized(window))
        w_.Restore(window);
    w_.Activate(window);
    dispatch_.target = window;
}

bool WindowFinder::ActivateIt(std::string_view title) {
    WindowId w = 0;
    if (!GetWinHandle(title, w))
        return false;
    BringForward(w);
    return true;
}

bool WindowFinder::ActivateProg(std::string_view name) {
    int pid = 0;
    for (const ProcessInfo& p : w_.Processes()) {
        if (p.program.find(name) != std::string::npos) {
            pid = p.pid;
            break;
        }
    }
    if (pid == 0)
        return false;
    for (WindowId id : w_.TopLevelWindows()) {
        if (w_.ProcessOf(id) == pid) {
            BringForward(id);
            return true;
        }
    }
    return false;
}

std::string WindowFinder::GetTopProgram() {
    const WindowId fg = w_.Foreground();
    const int pid = fg ? w_.ProcessOf(fg) : 0;
    return pid ? w_.ProgramOf(pid) : std::string();
}

WindowId WindowFinder::MakeSureItsAParent(WindowId window) {
    const std::vector<WindowId> top = w_.TopLevelWindows();
    // A parent chain is short; the bound only guards against a broken one that loops.
    for (int depth = 0; window != 0 && depth < 64; ++depth) {
        if (std::find(top.begin(), top.end(), window) != top.end())
            return window;
        window = w_.Parent(window);
    }
    return 0;
}

} // namespace kv
