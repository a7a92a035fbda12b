#pragma once
// What a key press gives a capture, read from the keyboard's state just before the press:
// the character it types (as the active layout and the held Shift and AltGr make it), the
// character it types with no modifier, and whether it is AltGr itself, which shows in the
// characters it gives rather than as a key of its own.

#include <xkbcommon/xkbcommon.h>

namespace kv::x11 {

struct CapturedKey {
    bool level3 = false;     // the key is AltGr (ISO_Level3_Shift or Mode_switch)
    char character = 0;      // Windows-1252; 0 with Ctrl or Alt held, or for none
    char plainCharacter = 0; // the key's first level in the active group
};

CapturedKey ReadCapturedKey(xkb_state* state, xkb_keycode_t keycode);

} // namespace kv::x11
