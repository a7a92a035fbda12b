#pragma once
// Keys for keysyms that the layout lacks (é on a US layout, F13, a keypad digit with Num
// Lock off). A few keycodes that carry no symbol are bound on demand and kept bound until
// the playback ends: a client that reads the keymap late still finds the binding that
// its key event was made with. A binding is never changed while its key is down.

#include "platform/x11/XcbConnection.h"

#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace kv::x11 {

class SpareKeys {
public:
    static constexpr std::size_t kMaxPool = 24;

    explicit SpareKeys(XcbConnection& x);

    // Finds the keycodes without symbols, keeping the bindings that are still in place.
    void Scan();
    // The keymap was replaced: Scan() again at the next safe moment.
    void MarkStale() { stale_ = true; }
    bool Stale() const { return stale_; }
    const std::vector<xkb_keycode_t>& Pool() const { return poolKeys_; }
    bool InPool(xkb_keycode_t keycode) const;

    // The keycode that types `sym` with any modifiers, bound now if need be; 0 when every
    // spare key is down.
    xkb_keycode_t Bind(xkb_keysym_t sym);
    // Binds those of `syms` that are not bound yet to free keys, in one change of the
    // keymap where the keys lie side by side. Takes no binding away: what does not fit is
    // left to Bind().
    void BindAll(const std::vector<xkb_keysym_t>& syms);
    void SetDown(xkb_keycode_t keycode, bool down);

    // Gives every key that is up its original (empty) mapping back.
    void RestoreAll();
    // Keys bound for the characters of a playback.
    std::size_t BoundCount() const;
    // How many times the keymap was changed so far.
    std::size_t Changes() const { return changes_; }

    // Runs before every change of the keymap, so that the clients can first catch up; told
    // whether the change takes a binding away that a client may still need. It may handle
    // events, which may mark the keys stale, but never rescans them.
    void SetBeforeChange(std::function<void(bool takesAway)> f) { beforeChange_ = std::move(f); }

private:
    struct Slot {
        xkb_keycode_t keycode = 0;
        xkb_keysym_t sym = 0; // 0: unbound
        bool down = false;
        std::uint64_t lastUse = 0;
    };
    // Writes the slots' symbols to the keymap for these keycodes: one request for each run
    // of spare keys that lie side by side.
    void Write(std::vector<xkb_keycode_t> keycodes);
    Slot* SlotOf(xkb_keycode_t keycode);

    XcbConnection& x_;
    std::vector<Slot> slots_;
    std::vector<xkb_keycode_t> poolKeys_;
    std::uint64_t clock_ = 0;
    std::size_t changes_ = 0;
    bool stale_ = false;
    std::function<void(bool)> beforeChange_;
};

} // namespace kv::x11
