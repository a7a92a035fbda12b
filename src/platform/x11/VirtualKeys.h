#pragma once
// Windows virtual-key codes as X11 sees them. Letters, digits and the OEM punctuation keys
// belong to the layout (KeyboardLayout decides their keys); every other key is a keysym.

#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kv::x11 {

namespace vk {
inline constexpr std::uint8_t kBack = 0x08;
inline constexpr std::uint8_t kTab = 0x09;
inline constexpr std::uint8_t kReturn = 0x0D;
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kMenu = 0x12;
inline constexpr std::uint8_t kEscape = 0x1B;
inline constexpr std::uint8_t kExecute = 0x2B; // the end-of-playback marker
inline constexpr std::uint8_t kSpace = 0x20;
inline constexpr std::uint8_t kOemPlus = 0xBB;
inline constexpr std::uint8_t kOemComma = 0xBC;
inline constexpr std::uint8_t kOemMinus = 0xBD;
inline constexpr std::uint8_t kOemPeriod = 0xBE;
inline constexpr std::uint8_t kNoKey =
    0xFF; // what the player sends for a character the layout lacks
} // namespace vk

constexpr bool IsLetterVk(std::uint8_t v) {
    return v >= 'A' && v <= 'Z';
}
constexpr bool IsDigitVk(std::uint8_t v) {
    return v >= '0' && v <= '9';
}

// The keysym of a key that is neither letter, digit nor OEM key; 0 when X has none
// (mouse buttons, IME keys), and such a key sends nothing.
xkb_keysym_t KeysymForVk(std::uint8_t v);

// The key a virtual key falls back to when no key of the layout carries it: letters and
// digits their own character, OEM keys the US character of that key.
xkb_keysym_t FallbackKeysymForVk(std::uint8_t v);

// The virtual key of a keysym from KeysymForVk's table (Return, Tab, space...), or 0.
std::uint8_t VkForKeysym(xkb_keysym_t sym);

// Key positions (XKB key names) on a US keyboard.
struct PositionVk {
    std::string_view name;
    std::uint8_t vk;
};
// The typing block: letters, the digit row and the OEM keys, in reading order.
std::span<const PositionVk> UsPositions();
// OEM virtual keys in the order they are handed to keys a layout places elsewhere.
std::span<const std::uint8_t> OemVks();

// VkKeyScanA for control characters (below 32 and 127): the key and shift state that
// Windows reports; nullopt for printable characters.
struct VkAndShift {
    std::uint8_t vk;
    std::uint8_t shiftState;
};
std::optional<VkAndShift> ControlCharScan(char c);

// The Unicode character of a Windows-1252 byte, and of an OEM (code page 437) byte.
char32_t Cp1252ToUnicode(std::uint8_t b);
char32_t Cp437ToUnicode(std::uint8_t b);

} // namespace kv::x11
