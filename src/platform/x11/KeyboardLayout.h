#pragma once
// The active keyboard layout as Windows would describe it: which key and shift state type a
// character (VkKeyScanA), and which key a virtual key stands for. Built from an xkbcommon
// keymap, so it answers for whatever layout and group are in force; it never talks to X.

#include <xkbcommon/xkbcommon.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace kv::x11 {

struct LayoutKey {
    xkb_keycode_t keycode = 0;
    std::uint8_t vk = 0;
    std::uint8_t shiftState = 0; // 0, 1 Shift, 6 AltGr (Ctrl+Alt), 7 Shift+AltGr
};

class KeyboardLayout {
public:
    // Takes its own reference to `keymap`. Keys in `reserved` (the spare keys Keyvane binds
    // itself) are never taken for a character or a virtual key.
    KeyboardLayout(xkb_keymap* keymap, std::vector<xkb_keycode_t> reserved = {});
    ~KeyboardLayout();
    KeyboardLayout(const KeyboardLayout&) = delete;
    KeyboardLayout& operator=(const KeyboardLayout&) = delete;

    // The group and the locked modifiers (Num Lock, Caps Lock) in force.
    void SetState(xkb_mod_mask_t locked, std::int32_t baseGroup, std::int32_t latchedGroup,
                  std::int32_t lockedGroup);

    // The key that types `c` with at most Shift and AltGr, as VkKeyScanA finds it; nullopt
    // when only a dead key or another group has it.
    std::optional<LayoutKey> FindChar(char32_t c);

    // The layout's key for a virtual key; 0 when the layout has none.
    xkb_keycode_t KeycodeForVk(std::uint8_t vk);
    // The virtual key of a key of the layout; 0 when it has none.
    std::uint8_t VkForKeycode(xkb_keycode_t keycode);

    // The key that selects the third level (AltGr), 0 when the layout has none.
    xkb_keycode_t Level3Key() const { return level3Key_; }
    // True when the key types something on its third level in the active group.
    bool HasLevel3(xkb_keycode_t keycode) const;

    xkb_keymap* Keymap() const { return keymap_; }

private:
    void Rebuild();
    bool Reserved(xkb_keycode_t keycode) const;
    xkb_layout_index_t LayoutOf(xkb_keycode_t keycode) const;
    xkb_keysym_t SymAt(xkb_keycode_t keycode, xkb_level_index_t level) const;
    std::optional<std::uint8_t> ShiftStateFor(xkb_keycode_t keycode, xkb_level_index_t level) const;
    xkb_keycode_t KeycodeForKeysym(xkb_keysym_t sym) const;
    xkb_mod_mask_t ModsOfKey(xkb_keycode_t keycode) const;

    xkb_keymap* keymap_;
    xkb_state* state_;
    std::vector<xkb_keycode_t> reserved_;
    xkb_mod_mask_t shiftMask_ = 0;
    xkb_mod_mask_t level3Mask_ = 0;
    xkb_keycode_t level3Key_ = 0;
    // Letters, digits and OEM keys of the active group, both ways.
    std::array<xkb_keycode_t, 256> vkKey_{};
    std::map<xkb_keycode_t, std::uint8_t> keyVk_;
    std::map<char32_t, std::optional<LayoutKey>> charCache_;
};

} // namespace kv::x11
