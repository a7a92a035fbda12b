#pragma once
// From a hot key press to a played macro: the guards, the choice of one macro among those
// sharing a hot key (by the window in front), the SYSTEM hot keys and the abort key.

#include "engine/core/MacroFile.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/player/Player.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kv {

// What the hook reports for a hot key: the code with its flag bits, and the focused window.
struct HotKeyMessage {
    std::uint16_t wParam = 0; // bit 15: Caps Lock was on; bit 14: play `current` directly
    WindowId window = 0;
};

inline constexpr std::uint16_t kCapsLockBit = 0x8000;
inline constexpr std::uint16_t kDirectBit = 0x4000;
inline constexpr std::uint16_t kDirectExtraBit = 0x1000;

// The warnings of a refused hot key or Typeword.
namespace warning {
inline constexpr const char* kPopupShown =
    "A current Popup Menu macro is being displayed. Another macro cannot be executed until "
    "either a choice is made from the Popup Menu or it is cancelled.";
inline constexpr const char* kCapturing = "A macro is currently being recorded. Another macro "
                                          "cannot be executed until the recording is completed.";
inline constexpr const char* kPaused =
    "A current playback macro is in the middle of a PAUSE. Another macro cannot be executed "
    "until the PAUSE is either cancelled or resumed.";
} // namespace warning

// The parts of the program that dispatch calls on but does not own.
class DispatchHost {
public:
    virtual ~DispatchHost() = default;
    // Shows the main window and brings it to the front.
    virtual void ShowMainWindow() = 0;
    virtual void StartACapture() = 0;
    virtual void MenuTopWindow() = 0;
    // Shows a popup-menu macro's menu modally: the chosen place, or -1 when cancelled.
    virtual int ShowPopupMenu(int place) = 0;
};

// The window in front of all but this process's own: where a macro tried from one of
// Keyvane's windows plays. 0 when there is none.
WindowId FrontWindowBesides(Windows& windows, int ownProcess);

class Dispatch {
public:
    Dispatch(const Settings& settings, SharedBlock& block, MacroFile& file, Player& player,
             DispatchState& state, DispatchHost& host, Input& input, Windows& windows);

    // A hot key from the hook.
    void OnHotKey(const HotKeyMessage& m);
    // The abort key: the playing macro stops at its next step.
    void OnAbort() { player_.RequestAbort(); }

    // The macro a hot key plays given the window in front, 0 for none.
    int GetMacro(std::uint16_t code);
    // Plays the macro at place (0: nothing), or shows its popup menu; a chosen popup menu
    // shows its own, at most kMaxNestedMenus menus in a row.
    void RunMacro(int place);
    static constexpr int kMaxNestedMenus = 16;
    // The SYSTEM command "1" and the tray: refused while paused, in a popup menu or capturing.
    void ActivateMe();

    // Sets the playing byte, plays and presses the end-of-playback marker the hook waits for.
    void PlayRecord(const MacroRecord& rec, int place);

    // The scripting editor's "&Try": plays a script that is not saved yet into `target` (the
    // window that was in front before Keyvane's own). Refused, as a hot key is, while a macro
    // is paused, a popup menu is open or a capture runs: then nothing plays and the answer is
    // the warning for the caller to show over its window; null when it played.
    const char* TryText(const std::string& text, const std::string& nickname, WindowId target,
                        bool capsLock);
    // The warning that refuses a macro started now, null when one may start.
    const char* Refusal() const;

    // Runs just before a macro's first event (the hook waits there for the hot key's keys
    // to be let go).
    std::function<void()> beforePlay;

private:
    void Warn(const char* text);

    const Settings& settings_;
    SharedBlock& block_;
    MacroFile& file_;
    Player& player_;
    DispatchState& state_;
    DispatchHost& host_;
    Input& input_;
    Windows& windows_;
};

} // namespace kv
