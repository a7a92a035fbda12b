#pragma once
// Finding windows by title and programs by file name, and bringing them to the front. The
// player, dispatch, the scheduler and capture all look windows up this way.

#include "engine/player/PlayerTypes.h"

#include <string>
#include <string_view>

namespace kv {

class WindowFinder {
public:
    WindowFinder(Windows& windows, DispatchState& dispatch) : w_(windows), dispatch_(dispatch) {}

    // The exact title first, then the first window, front to back, whose title contains the
    // text in any case. Windows without a title are passed over; an empty text finds none.
    bool GetWinHandle(std::string_view title, WindowId& found);
    // As GetWinHandle, then restores the window if minimised, activates it and makes it the
    // target window.
    bool ActivateIt(std::string_view title);
    // The first running program whose file name contains `name` (exact case), through its
    // first top-level window.
    bool ActivateProg(std::string_view name);
    // The program file name of the foreground window, as the system reports it.
    std::string GetTopProgram();
    // The window itself when it is top-level, else its nearest top-level ancestor, else 0.
    WindowId MakeSureItsAParent(WindowId window);

private:
    void BringForward(WindowId window);

    Windows& w_;
    DispatchState& dispatch_;
};

} // namespace kv
