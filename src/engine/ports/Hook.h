#pragma once
// The input hook: watches the user's keyboard and mouse for the whole desktop and tells
// Keyvane about hot keys, typed characters (for Typewords) and the abort key, in the order
// the input happened. It reads which hot keys are in use from the shared block.

#include "engine/capture/CapturedInput.h"
#include "engine/ports/Windows.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace kv {

class HookListener {
public:
    virtual ~HookListener() = default;
    // wParam: the hot key code, bit 15 set when Caps Lock was on; window: the focused window.
    virtual void OnHotKey(std::uint16_t wParam, WindowId window) = 0;
    // A character the user typed (kind 0, or 2 with Caps Lock on), or 1 to reset the buffer.
    virtual void OnTyped(int kind, char ch) = 0;
    // The user pressed the abort key while a macro played.
    virtual void OnAbort() = 0;
    // A hot key that another program already holds: reported once per hot key.
    virtual void OnHotKeyTaken(int code) = 0;
    // While the shared block's capture flag is set: the user's own input, in order, except
    // the stop keys and the hot keys in use.
    virtual void OnCaptured(const CapturedInput& /*input*/) {}
    // A stop key of the capture was pressed (it is not reported as captured input).
    virtual void OnCaptureStop() {}
};

class Hook {
public:
    virtual ~Hook() = default;

    // Starts watching; false with a reason when the display cannot be watched.
    virtual bool Install(HookListener& listener, std::string* error) = 0;
    virtual void Uninstall() = 0;
    // The hot keys in use changed (the shared block's flags and tables): grab accordingly.
    virtual void RefreshHotKeys() = 0;
    // Blocks in the event loop until the keys of the hot key just pressed are released, at
    // most `limit`, so that a macro never types under modifiers the user still holds.
    virtual void WaitForRelease(std::chrono::milliseconds limit) = 0;
    // Blocks in the event loop until the hook has seen the end-of-playback marker of the
    // last playback (the playing byte is clear), at most `limit`; a marker that never comes
    // is given up then. Input the user gave after the marker is reported only after it.
    virtual void WaitForPlaybackEnd(std::chrono::milliseconds /*limit*/) {}
    // Whether Caps Lock is on now, as the hook last saw the keyboard.
    virtual bool CapsLockOn() { return false; }
    // A capture starts or ends: pointer moves are watched only meanwhile.
    virtual void SetCapturing(bool /*on*/) {}
};

} // namespace kv
