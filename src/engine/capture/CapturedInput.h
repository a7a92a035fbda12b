#pragma once
// What a capture records: the user's own keyboard and mouse input, in the order it
// happened, as a back end's hook saw it. The back end fills in what only it knows (the
// character the active layout gives a key press, the window in front at a click); the
// engine turns the sequence into macro text.

#include "engine/ports/Input.h"
#include "engine/ports/Windows.h"

#include <cstdint>
#include <optional>

namespace kv {

struct CapturedInput {
    enum class Kind { KeyDown, KeyUp, ButtonDown, ButtonUp, Move, Wheel };
    Kind kind = Kind::KeyDown;
    // Keys: the Windows virtual key (left and right modifiers both as 0x10, 0x11, 0x12; the
    // Windows key as 0x5B). 0 for a character that came without a key of its own (typed by
    // its code).
    std::uint8_t vk = 0;
    // A key press: the character (Windows-1252) the active layout gives it with the
    // modifiers held at that moment, 0 when it gives none (function keys, Ctrl+letter).
    char character = 0;
    // A key press: the character the key gives with no modifier held, 0 when none or unknown.
    // A shortcut such as Ctrl+- is written with it; letters and digits do without.
    char plainCharacter = 0;
    PointerButton button = PointerButton::Left;
    // The pointer, in the X screen's own coordinates (all monitors together).
    int x = 0;
    int y = 0;
    // Wheel notches: positive forward, negative backward.
    int notches = 0;
    // When it happened, in milliseconds from any fixed origin.
    std::int64_t ms = 0;
    // The frame of the window in front at the time (pointer events).
    std::optional<WindowRect> window;
};

} // namespace kv
