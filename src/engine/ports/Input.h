#pragma once
// Synthesised keyboard and mouse input, in Windows virtual-key terms. A back end turns
// each call into real input for the window in front, one event at a time.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kv {

// Named apart from the macro language's MouseButton, which also has None.
enum class PointerButton { Left, Right, Middle };

// What VkKeyScanA answers for a character: the key and the shift state that types it
// (bit 1 Shift, bit 2 Ctrl, bit 4 Alt; Ctrl+Alt is how Windows spells AltGr).
struct KeyScan {
    std::uint8_t vk = 0;
    std::uint8_t shiftState = 0;
    bool operator==(const KeyScan&) const = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class Input {
public:
    virtual ~Input() = default;

    // The active layout's key for a character (code below 128); nullopt when the layout
    // has no key for it.
    virtual std::optional<KeyScan> VkKeyScan(char c) = 0;

    // One key event (PostVKey's role): a press, or a release when `up`.
    virtual void Key(std::uint8_t vk, bool up) = 0;

    // A character typed by its ANSI code, with the digits as the player passes them ("0233"
    // for é). Windows types Alt with keypad digits; other systems type the character itself.
    virtual void AltCode(std::string_view digits) = 0;

    virtual void Button(PointerButton button, bool up) = 0;

    // Wheel notches: positive forward, negative backward.
    virtual void Wheel(int notches) = 0;

    // Pointer to a screen pixel.
    virtual void MoveTo(int x, int y) = 0;

    virtual ScreenSize Screen() = 0;

    // The characters (ANSI, each once) that a playback is about to type as text, told
    // before its first event: a back end that must prepare keys for characters the layout
    // lacks can do it for all of them at once. Only a hint: anything else may be typed too.
    virtual void PrepareToType(std::string_view /*characters*/) {}
};

} // namespace kv
