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

SpareKeys::Slot* SpareKeys::SlotOf(xkb_keycode_t keycode) {
    for (Slot& s : slots_) {
        if (s.keycode == keycode)
            return &s;
    }
    return nullptr;
}

void SpareKeys::Write(std::vector<xkb_keycode_t> keycodes) {
    std::sort(keycodes.begin(), keycodes.end());
    keycodes.erase(std::unique(keycodes.begin(), keycodes.end()), keycodes.end());
    std::size_t i = 0;
    while (i < keycodes.size()) {
        // Stretch the run over spare keys in between, which are written as they stand.
        xkb_keycode_t first = keycodes[i];
        xkb_keycode_t last = first;
        while (i < keycodes.size()) {
            bool joined = true;
            for (xkb_keycode_t k = last + 1; k <= keycodes[i] && joined; ++k)
                joined = SlotOf(k) != nullptr;
            if (!joined)
                break;
            last = keycodes[i++];
        }
        // The same symbol on both levels: Shift and Caps Lock leave it alone (a lone é
        // would become a case pair).
        std::vector<xcb_keysym_t> syms;
        for (xkb_keycode_t k = first; k <= last; ++k) {
            const xkb_keysym_t sym = SlotOf(k)->sym;
            syms.push_back(sym);
            syms.push_back(sym);
        }
        ++changes_;
        xcb_change_keyboard_mapping(x_.Raw(), static_cast<std::uint8_t>(last - first + 1),
                                    static_cast<xcb_keycode_t>(first), 2, syms.data());
    }
}

xkb_keycode_t SpareKeys::Bind(xkb_keysym_t sym) {
    ++clock_;
    for (Slot& s : slots_) {
        if (s.sym == sym) {
            s.lastUse = clock_;
            return s.keycode;
        }
    }
    auto pickSlot = [&]() -> Slot* {
        Slot* pick = nullptr;
        for (Slot& s : slots_) {
            // A free slot first, else the one used longest ago; never one that is down.
            if (s.down)
                continue;
            if (!pick || (pick->sym != 0 && (s.sym == 0 || s.lastUse < pick->lastUse)))
                pick = &s;
        }
        return pick;
    };
    const Slot* planned = pickSlot();
    if (!planned)
        return 0;
    // May wait and handle events: no slot is held across it.
    if (beforeChange_)
        beforeChange_(planned->sym != 0);
    Slot* pick = pickSlot();
    if (!pick)
        return 0;
    pick->sym = sym;
    pick->lastUse = clock_;
    Write({pick->keycode});
    return pick->keycode;
}

void SpareKeys::BindAll(const std::vector<xkb_keysym_t>& syms) {
    std::vector<xkb_keysym_t> wanted;
    for (xkb_keysym_t sym : syms) {
        const bool bound =
            std::any_of(slots_.begin(), slots_.end(), [&](const Slot& s) { return s.sym == sym; });
        if (sym != 0 && !bound && std::find(wanted.begin(), wanted.end(), sym) == wanted.end())
            wanted.push_back(sym);
    }
    if (wanted.empty() || std::none_of(slots_.begin(), slots_.end(),
                                       [](const Slot& s) { return s.sym == 0 && !s.down; }))
        return;
    if (beforeChange_)
        beforeChange_(false);
    ++clock_;
    std::vector<xkb_keycode_t> changed;
    auto next = wanted.begin();
    for (Slot& s : slots_) {
        if (next == wanted.end())
            break;
        if (s.sym != 0 || s.down)
            continue;
        s.sym = *next++;
        s.lastUse = clock_;
        changed.push_back(s.keycode);
    }
    Write(changed);
}

void SpareKeys::SetDown(xkb_keycode_t keycode, bool down) {
    for (Slot& s : slots_) {
        if (s.keycode == keycode)
            s.down = down;
    }
}

void SpareKeys::RestoreAll() {
    auto restorable = [](const Slot& s) { return s.sym != 0 && !s.down; };
    if (std::none_of(slots_.begin(), slots_.end(), restorable))
        return;
    if (beforeChange_)
        beforeChange_(true);
    std::vector<xkb_keycode_t> changed;
    for (Slot& s : slots_) {
        if (restorable(s)) {
            s.sym = 0;
            changed.push_back(s.keycode);
        }
    }
    Write(changed);
    x_.Flush();
}

std::size_t SpareKeys::BoundCount() const {
    return static_cast<std::size_t>(
        std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.sym != 0; }));
}

} // namespace kv::x11
