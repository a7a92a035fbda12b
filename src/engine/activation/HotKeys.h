#pragma once
// The hot key code space: 727 codes, 0..698 for key combinations and 699..726 for mouse
// buttons with modifiers. The code is what a macro's activation field, the hot key flags
// of the shared block and the hook's messages carry; keys are Windows virtual-key codes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

inline constexpr int kHotKeyCodes = 727;    // codes 0..726
inline constexpr int kKeyHotKeyCodes = 699; // 0..698 are keys and have a row in the name table
inline constexpr std::size_t kHotKeyNameMax = 24;

// Mouse buttons as DecipherKey reports them.
inline constexpr std::uint16_t kButtonNone = 0;
inline constexpr std::uint16_t kButtonLeft = 1;
inline constexpr std::uint16_t kButtonRight = 2;
inline constexpr std::uint16_t kButtonMiddle = 3;

// What a hot key code stands for: a key (button kButtonNone) or a mouse button (vk 0).
struct HotKeyParts {
    std::uint16_t vk = 0;
    std::uint16_t button = kButtonNone;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;

    bool operator==(const HotKeyParts&) const = default;
};

// The inverse of the code table. Codes outside 0..726 give key 0, no button and no modifier.
HotKeyParts DecipherKey(int code);

// The code of a combination, or -1 when it has none. For a mouse button the key is
// ignored; otherwise the key and all four modifiers must match a row exactly.
int HotKeyCode(const HotKeyParts& parts);

// The 699-row name table of the key codes ("Ctrl+A", "Alt+F4", "KeyPad /", "ESC"), each
// name at most 24 characters.
const std::array<std::string, kKeyHotKeyCodes>& HotKeyNames();

// Display name of any code 0..726: the table's row for a key, otherwise a name such as
// "Shift+Left Button" or "Middle Button". Empty outside 0..726.
std::string HotKeyName(int code);

// The code whose display name this is: an exact match first, then one without regard to
// case; a name cut to 24 characters is also known by its whole spelling.
std::optional<int> HotKeyFromName(std::string_view name);

} // namespace kv
