#include "platform/x11/KeyboardLayout.h"

#include "platform/x11/VirtualKeys.h"

#include <algorithm>
#include <string>

namespace kv::x11 {

namespace {

bool IsKeypad(xkb_keysym_t sym) {
    return sym >= XKB_KEY_KP_Space && sym <= XKB_KEY_KP_Equal;
}

char32_t LetterOf(xkb_keysym_t sym) {
    return sym >= XKB_KEY_a && sym <= XKB_KEY_z ? static_cast<char32_t>(sym) : 0;
}

} // namespace

KeyboardLayout::KeyboardLayout(xkb_keymap* keymap, std::vector<xkb_keycode_t> reserved)
    : keymap_(xkb_keymap_ref(keymap)), state_(xkb_state_new(keymap)),
      reserved_(std::move(reserved)) {
    shiftMask_ = ModsOfKey(KeycodeForKeysym(XKB_KEY_Shift_L));
    // Any key that sets a modifier with ISO_Level3_Shift will do as AltGr.
    for (xkb_keycode_t k = xkb_keymap_min_keycode(keymap_); k <= xkb_keymap_max_keycode(keymap_);
         ++k) {
        if (!Reserved(k) && SymAt(k, 0) == XKB_KEY_ISO_Level3_Shift) {
            if (xkb_mod_mask_t mods = ModsOfKey(k)) {
                level3Key_ = k;
                level3Mask_ = mods;
                break;
            }
        }
    }
    Rebuild();
}

KeyboardLayout::~KeyboardLayout() {
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
}

void KeyboardLayout::SetState(xkb_mod_mask_t locked, std::int32_t baseGroup,
                              std::int32_t latchedGroup, std::int32_t lockedGroup) {
    xkb_state_update_mask(state_, 0, 0, locked, static_cast<xkb_layout_index_t>(baseGroup),
                          static_cast<xkb_layout_index_t>(latchedGroup),
                          static_cast<xkb_layout_index_t>(lockedGroup));
    Rebuild();
}

bool KeyboardLayout::Reserved(xkb_keycode_t keycode) const {
    return std::find(reserved_.begin(), reserved_.end(), keycode) != reserved_.end();
}

xkb_layout_index_t KeyboardLayout::LayoutOf(xkb_keycode_t keycode) const {
    return xkb_state_key_get_layout(state_, keycode);
}

xkb_keysym_t KeyboardLayout::SymAt(xkb_keycode_t keycode, xkb_level_index_t level) const {
    xkb_layout_index_t layout = LayoutOf(keycode);
    if (layout == XKB_LAYOUT_INVALID)
        return XKB_KEY_NoSymbol;
    const xkb_keysym_t* syms = nullptr;
    int n = xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout, level, &syms);
    return n == 1 ? syms[0] : XKB_KEY_NoSymbol;
}

xkb_mod_mask_t KeyboardLayout::ModsOfKey(xkb_keycode_t keycode) const {
    if (keycode == 0)
        return 0;
    xkb_state* scratch = xkb_state_new(keymap_);
    xkb_state_update_key(scratch, keycode, XKB_KEY_DOWN);
    xkb_mod_mask_t mods = xkb_state_serialize_mods(scratch, XKB_STATE_MODS_DEPRESSED);
    xkb_state_unref(scratch);
    return mods;
}

xkb_keycode_t KeyboardLayout::KeycodeForKeysym(xkb_keysym_t sym) const {
    // The key as the state types it now, so a keypad digit counts only with Num Lock on.
    for (xkb_keycode_t k = xkb_keymap_min_keycode(keymap_); k <= xkb_keymap_max_keycode(keymap_);
         ++k) {
        if (!Reserved(k) && xkb_state_key_get_one_sym(state_, k) == sym)
            return k;
    }
    return 0;
}

std::optional<std::uint8_t> KeyboardLayout::ShiftStateFor(xkb_keycode_t keycode,
                                                          xkb_level_index_t level) const {
    xkb_mod_mask_t masks[16];
    std::size_t n = xkb_keymap_key_get_mods_for_level(keymap_, keycode, LayoutOf(keycode), level,
                                                      masks, std::size(masks));
    std::optional<std::uint8_t> best;
    auto offer = [&](std::uint8_t s) {
        // Fewer modifiers first: none, Shift, AltGr, Shift+AltGr.
        if (!best || s < *best)
            best = s;
    };
    for (std::size_t i = 0; i < n; ++i) {
        if (masks[i] == 0)
            offer(0);
        else if (masks[i] == shiftMask_)
            offer(1);
        else if (level3Mask_ && masks[i] == level3Mask_)
            offer(6);
        else if (level3Mask_ && masks[i] == (shiftMask_ | level3Mask_))
            offer(7);
    }
    return best;
}

void KeyboardLayout::Rebuild() {
    vkKey_.fill(0);
    keyVk_.clear();
    charCache_.clear();
    auto assign = [&](xkb_keycode_t k, std::uint8_t v) {
        if (k == 0 || vkKey_[v] != 0 || keyVk_.count(k))
            return false;
        vkKey_[v] = k;
        keyVk_[k] = v;
        return true;
    };
    auto keyAt = [&](std::string_view name) {
        xkb_keycode_t k = xkb_keymap_key_by_name(keymap_, std::string(name).c_str());
        return k == XKB_KEYCODE_INVALID || Reserved(k) ? xkb_keycode_t{0} : k;
    };

    // Letters go to the key that types them; digits stay on the digit row, as on Windows.
    for (const PositionVk& p : UsPositions()) {
        xkb_keycode_t k = keyAt(p.name);
        if (char32_t letter = LetterOf(SymAt(k, 0)))
            assign(k, static_cast<std::uint8_t>('A' + (letter - U'a')));
        else if (IsDigitVk(p.vk))
            assign(k, p.vk);
    }
    // A layout without Latin letters keeps them where a US keyboard has them.
    for (const PositionVk& p : UsPositions()) {
        if (IsLetterVk(p.vk) && vkKey_[p.vk] == 0)
            assign(keyAt(p.name), p.vk);
    }
    // The remaining keys of the typing block are OEM keys. + , - . name their key on every
    // layout; the rest keep their US position when it is free, else take a free OEM code.
    std::vector<xkb_keycode_t> oemKeys;
    for (const PositionVk& p : UsPositions()) {
        xkb_keycode_t k = keyAt(p.name);
        if (k != 0 && !keyVk_.count(k))
            oemKeys.push_back(k);
    }
    constexpr std::pair<char32_t, std::uint8_t> kCharBound[] = {
        {U'+', vk::kOemPlus}, {U',', vk::kOemComma}, {U'-', vk::kOemMinus}, {U'.', vk::kOemPeriod}};
    for (xkb_level_index_t level : {0u, 1u}) {
        for (xkb_keycode_t k : oemKeys) {
            for (auto [c, v] : kCharBound) {
                if (xkb_keysym_to_utf32(SymAt(k, level)) == c)
                    assign(k, v);
            }
        }
    }
    for (const PositionVk& p : UsPositions()) {
        xkb_keycode_t k = keyAt(p.name);
        if (std::find(oemKeys.begin(), oemKeys.end(), k) != oemKeys.end())
            assign(k, p.vk);
    }
    for (xkb_keycode_t k : oemKeys) {
        for (std::uint8_t v : OemVks()) {
            if (assign(k, v))
                break;
        }
    }
}

std::optional<LayoutKey> KeyboardLayout::FindChar(char32_t c) {
    if (auto cached = charCache_.find(c); cached != charCache_.end())
        return cached->second;
    std::optional<LayoutKey> best;
    int bestRank = 0;
    xkb_keysym_t wanted = xkb_utf32_to_keysym(c);
    // The 102nd key (between left Shift and Z) is missing from many keyboards, so another
    // key that types the character wins over it whatever the shift state.
    const xkb_keycode_t extraKey = xkb_keymap_key_by_name(keymap_, "LSGT");
    for (xkb_keycode_t k = xkb_keymap_min_keycode(keymap_);
         wanted != XKB_KEY_NoSymbol && k <= xkb_keymap_max_keycode(keymap_); ++k) {
        if (Reserved(k) || IsKeypad(SymAt(k, 0)))
            continue;
        xkb_level_index_t levels =
            std::min<xkb_level_index_t>(4, xkb_keymap_num_levels_for_key(keymap_, k, LayoutOf(k)));
        for (xkb_level_index_t level = 0; level < levels; ++level) {
            if (SymAt(k, level) != wanted)
                continue;
            std::optional<std::uint8_t> shift = ShiftStateFor(k, level);
            std::uint8_t v = VkForKeycode(k);
            // Only a key that its virtual key leads back to can be typed through the VK.
            if (!shift || v == 0 || KeycodeForVk(v) != k)
                continue;
            int rank = *shift + (k == extraKey ? 100 : 0);
            if (!best || rank < bestRank) {
                best = LayoutKey{k, v, *shift};
                bestRank = rank;
            }
        }
    }
    charCache_[c] = best;
    return best;
}

xkb_keycode_t KeyboardLayout::KeycodeForVk(std::uint8_t v) {
    if (vkKey_[v] != 0)
        return vkKey_[v];
    if (IsLetterVk(v) || IsDigitVk(v))
        return 0;
    xkb_keysym_t sym = KeysymForVk(v);
    return sym == 0 ? 0 : KeycodeForKeysym(sym);
}

std::uint8_t KeyboardLayout::VkForKeycode(xkb_keycode_t keycode) {
    if (auto found = keyVk_.find(keycode); found != keyVk_.end())
        return found->second;
    return VkForKeysym(SymAt(keycode, 0));
}

bool KeyboardLayout::HasLevel3(xkb_keycode_t keycode) const {
    return level3Key_ != 0 && SymAt(keycode, 2) != XKB_KEY_NoSymbol;
}

} // namespace kv::x11
