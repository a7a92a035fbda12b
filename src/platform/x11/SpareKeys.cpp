#include "platform/x11/SpareKeys.h"

#include <algorithm>

namespace kv::x11 {

SpareKeys::SpareKeys(XcbConnection& x) : x_(x) {
    Scan();
}

void SpareKeys::Scan() {
    stale_ = false;
    std::vector<Slot> old;
    old.swap(slots_);
    poolKeys_.clear();
    const xcb_setup_t* setup = xcb_get_setup(x_.Raw());
    auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    XcbPtr<xcb_get_keyboard_mapping_reply_t> map(xcb_get_keyboard_mapping_reply(
        x_.Raw(), xcb_get_keyboard_mapping(x_.Raw(), setup->min_keycode, count), nullptr));
    if (!map)
        return;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    int width = map->keysyms_per_keycode;
    // From the top: the low keycodes are the ones hardware keys use.
    for (int i = count - 1; i >= 0 && slots_.size() < kMaxPool; --i) {
        const xcb_keysym_t* row = syms + i * width;
        auto keycode = static_cast<xkb_keycode_t>(setup->min_keycode + i);
        auto ours = std::find_if(old.begin(), old.end(), [&](const Slot& s) {
            return s.keycode == keycode && s.sym != 0 && width >= 2 && row[0] == s.sym &&
                   row[1] == s.sym;
        });
        if (ours != old.end()) {
            // Still bound by us: the keymap notice was about something else.
            slots_.push_back(*ours);
            poolKeys_.push_back(keycode);
        } else if (std::all_of(row, row + width, [](xcb_keysym_t s) { return s == 0; })) {
            slots_.push_back(Slot{keycode});
            poolKeys_.push_back(keycode);
        }
    }
}

bool SpareKeys::InPool(xkb_keycode_t keycode) const {
    return std::find(poolKeys_.begin(), poolKeys_.end(), keycode) != poolKeys_.end();
}

void SpareKeys::Map(xkb_keycode_t keycode, xkb_keysym_t sym) {
    // The same symbol on both levels: Shift and Caps Lock leave it alone (a lone é would
    // become a case pair).
    ++changes_;
    const xcb_keysym_t both[2] = {sym, sym};
    xcb_change_keyboard_mapping(x_.Raw(), 1, static_cast<xcb_keycode_t>(keycode), 2, both);
}

xkb_keycode_t SpareKeys::Bind(xkb_keysym_t sym) {
    ++clock_;
    for (Slot& s : slots_) {
        if (s.sym == sym) {
            s.lastUse = clock_;
            return s.keycode;
        }
    }
    // May wait and handle events: no slot is held across it.
    if (beforeChange_)
        beforeChange_();
    Slot* pick = nullptr;
    for (Slot& s : slots_) {
        // A free slot first, else the one used longest ago; never one that is down.
        if (s.down)
            continue;
        if (!pick || (pick->sym != 0 && (s.sym == 0 || s.lastUse < pick->lastUse)))
            pick = &s;
    }
    if (!pick)
        return 0;
    Map(pick->keycode, sym);
    pick->sym = sym;
    pick->lastUse = clock_;
    return pick->keycode;
}

void SpareKeys::SetDown(xkb_keycode_t keycode, bool down) {
    for (Slot& s : slots_) {
        if (s.keycode == keycode)
            s.down = down;
    }
}

void SpareKeys::RestoreAll() {
    auto restorable = [](const Slot& s) { return s.sym != 0 && !s.down; };
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!restorable(slots_[i]))
            continue;
        if (beforeChange_)
            beforeChange_();
        if (i < slots_.size() && restorable(slots_[i])) {
            Map(slots_[i].keycode, 0);
            slots_[i].sym = 0;
        }
    }
    x_.Flush();
}

std::size_t SpareKeys::BoundCount() const {
    return static_cast<std::size_t>(
        std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.sym != 0; }));
}

} // namespace kv::x11
