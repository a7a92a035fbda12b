#include "platform/x11/X11Input.h"

#include "platform/x11/VirtualKeys.h"

#include <xcb/xtest.h>

namespace kv::x11 {

X11Input::X11Input(XcbConnection& x) : x_(x), keyboard_(x), sync_(x) {
    keyboard_.Spares().SetBeforeChange([this](bool takesAway) { BeforeKeymapChange(takesAway); });
    restoreTimer_.setSingleShot(true);
    QObject::connect(&restoreTimer_, &QTimer::timeout, [this] { RestoreSpareKeys(); });
    XcbPtr<xcb_test_get_version_reply_t> version(
        xcb_test_get_version_reply(x_.Raw(), xcb_test_get_version(x_.Raw(), 2, 1), nullptr));
    xtest_ = version != nullptr;
}

X11Input::~X11Input() {
    if (!Ok())
        return;
    FlushPending();
    // Spare keys left down would keep their binding; let them go before restoring.
    if (missingDown_)
        ReleaseKey(missingDown_, vk::kNoKey);
    for (std::uint8_t v = 0; v < 255; ++v) {
        if (down_[v] && keyboard_.Spares().InPool(down_[v]))
            ReleaseKey(down_[v], v);
    }
    RestoreSpareKeys();
    x_.Sync();
}

void X11Input::BeforeKeymapChange(bool takesAway) {
    // A binding goes away: the clients that got keys through it must have handled them.
    if (takesAway)
        sync_.CatchUp(ClientSync::Silent::Grace);
    // A client reads the whole keymap when it handles the notice of a change. A second
    // change while it reads leaves it with a mixed keymap or none (Qt then types nothing),
    // so the focused client must have caught up first; a short spacing covers the others.
    // A client that cannot be asked reads the keymap in one request when it looks a key
    // up, so it needs no wait here.
    constexpr std::chrono::milliseconds kSpacing{20};
    using Clock = std::chrono::steady_clock;
    if (lastKeymapChange_ != Clock::time_point{}) {
        sync_.NoteFocus();
        sync_.CatchUp(ClientSync::Silent::Skip);
        auto since = Clock::now() - lastKeymapChange_;
        if (since < kSpacing)
            sync_.Wait(std::chrono::ceil<std::chrono::milliseconds>(kSpacing - since));
    }
    lastKeymapChange_ = Clock::now();
}

void X11Input::Fake(std::uint8_t type, xkb_keycode_t keycode, std::uint8_t vk) {
    xcb_test_fake_input(x_.Raw(), type, static_cast<std::uint8_t>(keycode), XCB_CURRENT_TIME,
                        XCB_NONE, 0, 0, 0);
    if (onSent)
        onSent(type, static_cast<std::uint8_t>(keycode), vk);
}

void X11Input::FakeButton(std::uint8_t type, std::uint8_t button) {
    xcb_test_fake_input(x_.Raw(), type, button, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    if (onSent)
        onSent(type, button, 0);
}

void X11Input::PressKey(xkb_keycode_t keycode, std::uint8_t vk) {
    if (keyboard_.Spares().InPool(keycode)) {
        keyboard_.Spares().SetDown(keycode, true);
        sync_.NoteFocus();
    }
    Fake(XCB_KEY_PRESS, keycode, vk);
}

void X11Input::ReleaseKey(xkb_keycode_t keycode, std::uint8_t vk) {
    Fake(XCB_KEY_RELEASE, keycode, vk);
    if (keyboard_.Spares().InPool(keycode))
        keyboard_.Spares().SetDown(keycode, false);
}

xkb_keycode_t X11Input::Resolve(std::uint8_t vk) {
    if (xkb_keycode_t k = keyboard_.Layout().KeycodeForVk(vk))
        return k;
    xkb_keysym_t sym = FallbackKeysymForVk(vk);
    return sym == 0 ? 0 : BindSpare(sym);
}

std::optional<KeyScan> X11Input::VkKeyScan(char c) {
    if (!Ok())
        return std::nullopt;
    if (auto control = ControlCharScan(c))
        return KeyScan{control->vk, control->shiftState};
    auto code = static_cast<unsigned char>(c);
    char32_t u = Cp1252ToUnicode(code);
    if (auto key = keyboard_.Layout().FindChar(u))
        return KeyScan{key->vk, key->shiftState};
    // The player sends key 0xFF for it next; that key types this character.
    missing_ = u;
    return std::nullopt;
}

void X11Input::FlushPending() {
    for (int m = 0; m < kModCount; ++m) {
        if (held_[m].pending) {
            held_[m].pending = false;
            std::uint8_t v = m == kCtrl ? vk::kControl : vk::kMenu;
            if (xkb_keycode_t k = Resolve(v)) {
                PressKey(k, v);
                down_[v] = k;
            }
        }
    }
}

void X11Input::ModifierKey(Mod mod, std::uint8_t v, bool up) {
    HeldBack& h = held_[mod];
    if (!up) {
        if (down_[v] || h.absorbed) { // already down: a repeat
            if (down_[v])
                PressKey(down_[v], v);
            return;
        }
        h.pending = true;
        return;
    }
    if (h.absorbed) {
        // The first of Ctrl and Alt to go up ends AltGr; nothing was sent for them.
        h.absorbed = false;
        if (level3Down_) {
            ReleaseKey(level3Down_, 0);
            level3Down_ = 0;
        }
        return;
    }
    if (h.pending)
        FlushPending();
    if (down_[v]) {
        ReleaseKey(down_[v], v);
        down_[v] = 0;
    }
}

void X11Input::Key(std::uint8_t vk, bool up) {
    if (!Ok())
        return;
    if (vk == vk::kControl || vk == vk::kMenu) {
        ModifierKey(vk == vk::kControl ? kCtrl : kAlt, vk, up);
    } else if (vk == vk::kExecute) {
        if (up)
            SendPlaybackEnd();
    } else if (vk == vk::kNoKey) {
        if (!up && missing_) {
            FlushPending();
            xkb_keysym_t sym = xkb_utf32_to_keysym(missing_);
            missingDown_ = sym ? BindSpare(sym) : 0;
            if (missingDown_)
                PressKey(missingDown_, vk);
        } else if (up && missingDown_) {
            ReleaseKey(missingDown_, vk);
            missingDown_ = 0;
            missing_ = 0;
        }
    } else if (!up) {
        xkb_keycode_t k = Resolve(vk);
        if (k == 0)
            return;
        KeyboardLayout& layout = keyboard_.Layout();
        if (held_[kCtrl].pending && held_[kAlt].pending && layout.HasLevel3(k)) {
            held_[kCtrl] = {false, true};
            held_[kAlt] = {false, true};
            level3Down_ = layout.Level3Key();
            PressKey(level3Down_, 0);
        } else {
            FlushPending();
        }
        PressKey(k, vk);
        down_[vk] = k;
    } else {
        FlushPending();
        xkb_keycode_t k = down_[vk] ? down_[vk] : Resolve(vk);
        if (k)
            ReleaseKey(k, vk);
        down_[vk] = 0;
    }
    x_.Flush();
}

void X11Input::SendPlaybackEnd() {
    // A request of our own rather than a key: the record stream reports it in server order
    // after every event sent before it, and no client ever receives it.
    FlushPending();
    xcb_no_operation(x_.Raw());
    if (onSent)
        onSent(kPlaybackEnd, 0, vk::kExecute);
}

void X11Input::AfterBinding(std::size_t changesBefore) {
    // A new binding: the focused client must have read it before the key arrives, or it
    // reads the key with the keymap it had. One that cannot be asked reads it when it
    // looks the key up, and the binding stays until the playback ends.
    if (keyboard_.Spares().Changes() != changesBefore) {
        sync_.NoteFocus();
        sync_.CatchUp(ClientSync::Silent::Skip);
    }
}

xkb_keycode_t X11Input::BindSpare(xkb_keysym_t sym) {
    const std::size_t changes = keyboard_.Spares().Changes();
    const xkb_keycode_t k = keyboard_.Spares().Bind(sym);
    AfterBinding(changes);
    return k;
}

void X11Input::PrepareToType(std::string_view characters) {
    if (!Ok())
        return;
    // The keys of the last playback serve this one too.
    restoreTimer_.stop();
    KeyboardLayout& layout = keyboard_.Layout();
    std::vector<xkb_keysym_t> syms;
    for (char c : characters) {
        if (ControlCharScan(c))
            continue;
        const auto code = static_cast<unsigned char>(c);
        const char32_t u = Cp1252ToUnicode(code);
        // The player types what is above ASCII by its code, always on a spare key.
        if (code < 128 && layout.FindChar(u))
            continue;
        if (const xkb_keysym_t sym = xkb_utf32_to_keysym(u))
            syms.push_back(sym);
    }
    const std::size_t changes = keyboard_.Spares().Changes();
    keyboard_.Spares().BindAll(syms);
    AfterBinding(changes);
    x_.Flush();
}

void X11Input::TypeSym(xkb_keysym_t sym) {
    xkb_keycode_t k = BindSpare(sym);
    if (k == 0)
        return;
    PressKey(k, 0);
    ReleaseKey(k, 0);
}

void X11Input::AltCode(std::string_view digits) {
    if (!Ok() || digits.empty())
        return;
    unsigned value = 0;
    for (char d : digits) {
        if (d < '0' || d > '9')
            return;
        value = value * 10 + static_cast<unsigned>(d - '0');
    }
    // As Windows reads Alt+keypad: a leading zero means the ANSI code page, none the OEM one.
    auto byte = static_cast<std::uint8_t>(value % 256);
    char32_t u = digits.front() == '0' ? Cp1252ToUnicode(byte) : Cp437ToUnicode(byte);
    xkb_keysym_t sym = 0;
    switch (u) {
    case 8:
        sym = XKB_KEY_BackSpace;
        break;
    case 9:
        sym = XKB_KEY_Tab;
        break;
    case 10:
    case 13:
        sym = XKB_KEY_Return;
        break;
    case 27:
        sym = XKB_KEY_Escape;
        break;
    default:
        sym = u >= 32 ? xkb_utf32_to_keysym(u) : 0;
        break;
    }
    if (sym == 0)
        return;
    keyboard_.Layout(); // take in layout changes, which also replace the spare keys
    FlushPending();
    TypeSym(sym);
    x_.Flush();
}

void X11Input::Button(PointerButton button, bool up) {
    if (!Ok())
        return;
    FlushPending();
    std::uint8_t detail = button == PointerButton::Left     ? 1
                          : button == PointerButton::Middle ? 2
                                                            : 3;
    FakeButton(up ? XCB_BUTTON_RELEASE : XCB_BUTTON_PRESS, detail);
    // The server gives a queued button event the pointer position it has when delivering
    // it, which a move sent right after would already have changed. So wait until the
    // button's state shows the event delivered; every query is a round trip in which the
    // server gets to its input queue.
    const auto mask = static_cast<std::uint16_t>(XCB_BUTTON_MASK_1 << (detail - 1));
    for (int i = 0; i < 100; ++i) {
        XcbPtr<xcb_query_pointer_reply_t> p(
            xcb_query_pointer_reply(x_.Raw(), xcb_query_pointer(x_.Raw(), x_.Root()), nullptr));
        if (!p || ((p->mask & mask) != 0) != !up)
            break;
    }
}

void X11Input::Wheel(int notches) {
    if (!Ok())
        return;
    FlushPending();
    // One press and release of button 4 (forward) or 5 (backward) per notch.
    std::uint8_t button = notches > 0 ? 4 : 5;
    for (int i = 0; i < (notches > 0 ? notches : -notches); ++i) {
        FakeButton(XCB_BUTTON_PRESS, button);
        FakeButton(XCB_BUTTON_RELEASE, button);
    }
    x_.Flush();
}

void X11Input::MoveTo(int x, int y) {
    if (!Ok())
        return;
    FlushPending();
    xcb_test_fake_input(x_.Raw(), XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, x_.Root(),
                        static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0);
    x_.Flush();
}

ScreenSize X11Input::Screen() {
    return ScreenSize{x_.Screen().width_in_pixels, x_.Screen().height_in_pixels};
}

void X11Input::EndPlayback() {
    if (!Ok())
        return;
    FlushPending();
    x_.Flush();
    // The keys are given back a little later, in the event loop: by then the clients have
    // handled what they were sent, and a hot key pressed the moment the macro ends does not
    // wait for them.
    if (keyboard_.Spares().BoundCount() > 0)
        restoreTimer_.start(kRestoreDelay);
}

void X11Input::RestoreSpareKeys() {
    if (!Ok())
        return;
    restoreTimer_.stop();
    FlushPending();
    x_.Flush();
    sync_.CatchUp();
    keyboard_.Layout();
    keyboard_.Spares().RestoreAll();
    sync_.Forget();
    x_.Flush();
}

} // namespace kv::x11
