#pragma once
// The three small dialogs of a playback (the Pause box, the repeat prompt and the on-top
// message) and the main window moves around them. The engine decides when they appear,
// where, with which texts, and keeps their state; a back end only shows them.

#include "engine/ports/Windows.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

struct PauseBoxLayout {
    int left = 0;
    int top = 0;
    int width = 224;
    int height = 94;
    std::string caption; // "Pause" or "Pause (" hot key name ")"
    std::string title;   // the macro's Nickname
    std::string message; // empty: no message label
    int messageHeight = 0;
};

class PlayDialogs {
public:
    virtual ~PlayDialogs() = default;

    // Shows the Pause box modally, floating above while the focus goes back to `target`.
    // True for Resume, false for Abort.
    virtual bool RunPauseBox(const PauseBoxLayout& layout, WindowId target) = 0;
    // Closes an open Pause box as if Resume were pressed (the paused macro's hot key).
    virtual void ResumePauseBox() = 0;
    // Shows the repeat prompt modally until it holds a number that ParseRepeatCount accepts.
    virtual std::uint16_t RunRepeatPrompt() = 0;
    // Shows an on-top message modally, centred on the screen.
    virtual void RunOnTopMessage(std::string_view caption, std::string_view text) = 0;
};

// Keyvane's own windows, as playback moves them out of the way and back.
class AppWindow {
public:
    virtual ~AppWindow() = default;

    // The application's taskbar entry, which the tray mode hides.
    virtual void ShowApplicationWindow() = 0;
    virtual void HideApplicationWindow() = 0;
    virtual bool IsApplicationMinimized() = 0;
    virtual void RestoreApplication() = 0;
    virtual void MinimizeApplication() = 0;
    virtual bool IsMainWindowVisible() = 0;
    virtual void ShowMainWindow() = 0;
    virtual void HideMainWindow() = 0;

    // Makes another macro file current and refreshes everything derived from it (the
    // tables, hot keys, list, schedule, tray menu and last-files list).
    virtual void SwapMacroFile(const std::string& path) = 0;
};

} // namespace kv
