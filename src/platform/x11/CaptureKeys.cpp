#include "platform/x11/CaptureKeys.h"

#include "engine/core/Ansi.h"

#include <string>

namespace kv::x11 {
namespace {

// One printable Windows-1252 character, or 0.
char Printable(const char* utf8) {
    if (!utf8[0] || !Utf8FitsAnsi(utf8))
        return 0;
    const std::string ansi = Utf8ToAnsi(utf8);
    if (ansi.size() != 1)
        return 0;
    const auto c = static_cast<unsigned char>(ansi[0]);
    return c >= 0x20 && c != 0x7F ? ansi[0] : 0;
}

} // namespace

CapturedKey ReadCapturedKey(xkb_state* state, xkb_keycode_t keycode) {
    CapturedKey k;
    if (!state)
        return k;
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(state, keycode);
    k.level3 = sym == XKB_KEY_ISO_Level3_Shift || sym == XKB_KEY_Mode_switch;
    // Ctrl and Alt make shortcuts of keys, not characters.
    const bool shortcut =
        xkb_state_mod_name_is_active(state, XKB_MOD_NAME_CTRL, XKB_STATE_MODS_DEPRESSED) > 0 ||
        xkb_state_mod_name_is_active(state, XKB_MOD_NAME_ALT, XKB_STATE_MODS_DEPRESSED) > 0;
    char utf8[16] = {};
    if (!shortcut && xkb_state_key_get_utf8(state, keycode, utf8, sizeof utf8) > 0)
        k.character = Printable(utf8);
    xkb_keymap* keymap = xkb_state_get_keymap(state);
    const xkb_layout_index_t group = xkb_state_key_get_layout(state, keycode);
    const xkb_keysym_t* syms = nullptr;
    char plain[16] = {};
    if (group != XKB_LAYOUT_INVALID &&
        xkb_keymap_key_get_syms_by_level(keymap, keycode, group, 0, &syms) > 0 &&
        xkb_keysym_to_utf8(syms[0], plain, sizeof plain) > 0)
        k.plainCharacter = Printable(plain);
    return k;
}

} // namespace kv::x11
