#include "platform/x11/X11Hook.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Ansi.h"
#include "platform/qt/QtEventPump.h"
#include "platform/x11/CaptureKeys.h"

#include <QEventLoop>
#include <QSocketNotifier>

#include <cstring>

// xkb.h names a member `explicit`.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon.h>

// Xlib last: its macros (None, KeyPress, Bool, ...) must not reach the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/record.h>

namespace kv::x11 {
namespace {

constexpr auto kStale = std::chrono::seconds(2);
constexpr std::uint8_t kKeyPress = 2;
constexpr std::uint8_t kKeyRelease = 3;
constexpr std::uint8_t kButtonPress = 4;
constexpr std::uint8_t kButtonRelease = 5;
constexpr std::uint8_t kMotionNotify = 6;

// Caps Lock and Num Lock must not stop a hot key: every grab is made four times.
constexpr std::uint16_t kLockCombos[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                         XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

void OnRecord(XPointer closure, XRecordInterceptData* d) {
    auto* hook = reinterpret_cast<X11Hook*>(closure);
    if (d->data && d->data_len >= 1) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(d->data);
        if (d->category == XRecordFromServer) {
            // A device event as the server sends it: time at 4, root x and y at 20 and 22.
            X11Hook::Recorded e;
            e.type = bytes[0] & 0x7F;
            e.detail = bytes[1];
            if (d->data_len * 4 >= 24) {
                std::memcpy(&e.time, bytes + 4, sizeof e.time);
                std::memcpy(&e.rootX, bytes + 20, sizeof e.rootX);
                std::memcpy(&e.rootY, bytes + 22, sizeof e.rootY);
            }
            hook->OnRecorded(e);
        } else if (d->category == XRecordFromClient && bytes[0] == X11Input::kPlaybackEnd) {
            hook->OnRecordedRequest(static_cast<std::uint32_t>(d->id_base));
        }
    }
    XRecordFreeData(d);
}

// Keys and buttons always; pointer moves too while a capture runs. Our end-of-playback
// marker as well: other clients hardly ever send that request.
XRecordRange* NewRange(bool motion) {
    XRecordRange* range = XRecordAllocRange();
    range->device_events.first = kKeyPress;
    range->device_events.last = motion ? kMotionNotify : kButtonRelease;
    range->core_requests.first = X11Input::kPlaybackEnd;
    range->core_requests.last = X11Input::kPlaybackEnd;
    return range;
}

// Left and right modifiers are one key to a macro.
std::uint8_t OneSided(std::uint8_t vk) {
    switch (vk) {
    case 0xA0:
    case 0xA1:
        return 0x10;
    case 0xA2:
    case 0xA3:
        return 0x11;
    case 0xA4:
    case 0xA5:
        return 0x12;
    case 0x5C:
        return 0x5B;
    default:
        return vk;
    }
}

bool IsModifierVk(std::uint8_t vk) {
    return (vk >= 0x10 && vk <= 0x12) || vk == 0x14 || vk == 0x5B || vk == 0x5C || vk == 0x90 ||
           vk == 0x91 || (vk >= 0xA0 && vk <= 0xA5);
}

std::uint16_t GrabMask(const HotKeyParts& p) {
    return static_cast<std::uint16_t>((p.shift ? XCB_MOD_MASK_SHIFT : 0) |
                                      (p.ctrl ? XCB_MOD_MASK_CONTROL : 0) |
                                      (p.alt ? XCB_MOD_MASK_1 : 0) | (p.win ? XCB_MOD_MASK_4 : 0));
}

} // namespace

bool X11Hook::Grab::operator<(const Grab& o) const {
    return std::tie(code, keycodeOrButton, modifiers, button) <
           std::tie(o.code, o.keycodeOrButton, o.modifiers, o.button);
}

X11Hook::X11Hook(XcbConnection& x, X11Input& input, X11Windows& windows, SharedBlock& block)
    : x_(x), input_(input), windows_(windows), block_(block) {
    input_.onSent = [this](std::uint8_t type, std::uint8_t detail, std::uint8_t) {
        sent_.push_back({type, detail, std::chrono::steady_clock::now()});
    };
}

X11Hook::~X11Hook() {
    Uninstall();
    input_.onSent = nullptr;
    if (state_)
        xkb_state_unref(state_);
}

bool X11Hook::Install(HookListener& listener, std::string* error) {
    listener_ = &listener;
    control_ = XOpenDisplay(nullptr);
    data_ = XOpenDisplay(nullptr);
    int major = 0;
    int minor = 0;
    if (!control_ || !data_ || !XRecordQueryVersion(control_, &major, &minor)) {
        if (error)
            *error = "the X server does not offer the RECORD extension";
        Uninstall();
        return false;
    }
    XRecordRange* range = NewRange(false);
    XRecordClientSpec clients = XRecordAllClients;
    context_ = XRecordCreateContext(control_, 0, &clients, 1, &range, 1);
    XFree(range);
    XSync(control_, False);
    if (!context_ ||
        !XRecordEnableContextAsync(data_, context_, OnRecord, reinterpret_cast<XPointer>(this))) {
        if (error)
            *error = "the X server refused a record context";
        Uninstall();
        return false;
    }
    XFlush(data_);
    notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(data_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Drain(); });
    UpdateState();
    RefreshHotKeys();
    return true;
}

void X11Hook::Uninstall() {
    for (const Grab& g : grabbed_)
        Ungrab(g);
    grabbed_.clear();
    x_.Flush();
    notifier_.reset();
    if (control_ && context_) {
        XRecordDisableContext(control_, context_);
        XRecordFreeContext(control_, context_);
        XSync(control_, False);
    }
    context_ = 0;
    if (data_)
        XCloseDisplay(data_);
    if (control_)
        XCloseDisplay(control_);
    data_ = control_ = nullptr;
    listener_ = nullptr;
}

void X11Hook::Drain() {
    if (data_)
        XRecordProcessReplies(data_);
    // A handler that waits drains again: newer events are handled inside it, in order.
    while (!pending_.empty()) {
        const Recorded e = pending_.front();
        pending_.pop_front();
        Handle(e);
    }
}

void X11Hook::UpdateState() {
    xkb_keymap* keymap = input_.Keyboard().Layout().Keymap();
    if (keymap != stateKeymap_) {
        if (state_)
            xkb_state_unref(state_);
        state_ = xkb_state_new(keymap);
        stateKeymap_ = keymap;
    }
    // Start from the server's lock state and group; the stream keeps it current after that.
    auto cookie = xcb_xkb_get_state(x_.Raw(), XCB_XKB_ID_USE_CORE_KBD);
    if (XcbPtr<xcb_xkb_get_state_reply_t> r{xcb_xkb_get_state_reply(x_.Raw(), cookie, nullptr)})
        xkb_state_update_mask(state_, r->baseMods, r->latchedMods, r->lockedMods,
                              static_cast<xkb_layout_index_t>(r->baseGroup),
                              static_cast<xkb_layout_index_t>(r->latchedGroup),
                              static_cast<xkb_layout_index_t>(r->lockedGroup));
}

bool X11Hook::IsOwn(std::uint8_t type, std::uint8_t detail) {
    if (type == X11Input::kPlaybackEnd) {
        // Everything sent before the marker has come by, or never will.
        while (!sent_.empty() && sent_.front().type != X11Input::kPlaybackEnd)
            sent_.pop_front();
        if (!sent_.empty())
            sent_.pop_front();
        block_.SetPlaying(false);
        return true;
    }
    const auto now = std::chrono::steady_clock::now();
    while (!sent_.empty() && sent_.front().type != X11Input::kPlaybackEnd &&
           now - sent_.front().at > kStale)
        sent_.pop_front(); // an event the server never reported; do not wait for it forever
    if (sent_.empty() || sent_.front().type != type || sent_.front().detail != detail)
        return false;
    sent_.pop_front();
    return true;
}

void X11Hook::OnRecordedRequest(std::uint32_t clientBase) {
    if (clientBase == xcb_get_setup(x_.Raw())->resource_id_base)
        pending_.push_back({X11Input::kPlaybackEnd, 0, 0, 0, 0});
}

void X11Hook::OnRecorded(const Recorded& event) {
    // Called inside Xlib: only queue. The handlers may wait in the event loop and read the
    // stream again, which Xlib does not allow from its own callback.
    pending_.push_back(event);
}

void X11Hook::Handle(const Recorded& e) {
    if (!listener_)
        return;
    const std::uint8_t type = e.type;
    const std::uint8_t detail = e.detail;
    if (type == kMotionNotify) {
        if (block_.CaptureFlag())
            Capture(e, 0);
        return;
    }
    const bool own = IsOwn(type, detail);
    const bool key = type == kKeyPress || type == kKeyRelease;
    if (key && input_.Keyboard().Layout().Keymap() != stateKeymap_)
        UpdateState();
    if (!own) {
        const std::uint8_t vk = key ? input_.Keyboard().Layout().VkForKeycode(detail) : 0;
        if (block_.CaptureFlag() && !block_.Playing() && !block_.HotKeyEntryFlag())
            Capture(e, vk);
        else if (key)
            OnUserKey(detail, type == kKeyPress);
        else if (type == kButtonPress || type == kButtonRelease)
            OnUserButton(detail, type == kButtonPress);
    }
    // Every key moves the keyboard's state, Keyvane's own included.
    if (key && state_)
        xkb_state_update_key(state_, detail, type == kKeyPress ? XKB_KEY_DOWN : XKB_KEY_UP);
}

std::uint16_t X11Hook::HeldModifiers() const {
    if (!state_)
        return 0;
    auto on = [this](const char* name) {
        return xkb_state_mod_name_is_active(state_, name, XKB_STATE_MODS_DEPRESSED) > 0;
    };
    HotKeyParts p;
    p.shift = on(XKB_MOD_NAME_SHIFT);
    p.ctrl = on(XKB_MOD_NAME_CTRL);
    p.alt = on(XKB_MOD_NAME_ALT);
    p.win = on(XKB_MOD_NAME_LOGO);
    return GrabMask(p);
}

HotKeyParts X11Hook::HeldWith(std::uint8_t vk, std::uint16_t button) const {
    const std::uint16_t mods = HeldModifiers();
    HotKeyParts parts;
    parts.vk = vk;
    parts.button = button;
    parts.shift = mods & XCB_MOD_MASK_SHIFT;
    parts.ctrl = mods & XCB_MOD_MASK_CONTROL;
    parts.alt = mods & XCB_MOD_MASK_1;
    parts.win = mods & XCB_MOD_MASK_4;
    return parts;
}

bool X11Hook::CapsLockOn() {
    return state_ &&
           xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_CAPS, XKB_STATE_MODS_LOCKED) > 0;
}

void X11Hook::OnUserKey(std::uint8_t keycode, bool press) {
    if (!press) {
        userDown_.erase(keycode);
        return;
    }
    userDown_.insert(keycode);
    const std::uint8_t vk = input_.Keyboard().Layout().VkForKeycode(keycode);
    const bool playing = block_.Playing();
    // Keyvane never types Pause itself.
    if (playing && vk == 0x13)
        return listener_->OnAbort();
    // A dialog waits for a hot key: the key is its, not a macro's or a Typeword's.
    if (IsModifierVk(vk) || block_.HotKeyEntryFlag())
        return;
    const int code = vk ? HotKeyCode(HeldWith(vk, kButtonNone)) : -1;
    const std::uint16_t caps = CapsLockOn() ? 0x8000 : 0;
    // A hot key is the user's even while a macro plays (Keyvane's own keys were told
    // apart above): grabbed, it reaches no window, so it is reported to wait its turn.
    if (code >= 0 && block_.HotKeyFlag(code)) {
        listener_->OnHotKey(static_cast<std::uint16_t>(code | caps), windows_.Foreground());
        return;
    }
    // What the user types into a playback makes no Typeword.
    if (playing)
        return;
    const xkb_keysym_t sym = state_ ? xkb_state_key_get_one_sym(state_, keycode) : 0;
    if (sym == XKB_KEY_Return || sym == XKB_KEY_KP_Enter)
        return listener_->OnTyped(caps ? 2 : 0, '\r');
    char utf8[16] = {};
    // Arrows, function keys and characters Windows-1252 lacks: what was typed before no
    // longer leads anywhere.
    if (!state_ || xkb_state_key_get_utf8(state_, keycode, utf8, sizeof utf8) <= 0 ||
        !Utf8FitsAnsi(utf8))
        return listener_->OnTyped(1, 0);
    const std::string ansi = Utf8ToAnsi(utf8);
    if (ansi.size() != 1)
        return listener_->OnTyped(1, 0);
    listener_->OnTyped(caps ? 2 : 0, ansi[0]);
}

void X11Hook::OnUserButton(std::uint8_t button, bool press) {
    if (!press || block_.HotKeyEntryFlag())
        return;
    if (button >= 1 && button <= 3) {
        // X numbers the middle button 2 and the right one 3.
        const int code = HotKeyCode(HeldWith(0, button == 1   ? kButtonLeft
                                                : button == 2 ? kButtonMiddle
                                                              : kButtonRight));
        for (int place = 1; code >= 0 && place <= block_.MacroCount(); ++place) {
            if (block_.Activation(place) == code && block_.Active(place)) {
                const std::uint16_t caps = CapsLockOn() ? 0x8000 : 0;
                listener_->OnHotKey(static_cast<std::uint16_t>(code | caps), windows_.Foreground());
                return;
            }
        }
    }
    if (!block_.Playing())
        listener_->OnTyped(1, 0); // a click moves the caret: start a new abbreviation
}

std::vector<X11Hook::Grab> X11Hook::WantedGrabs() {
    std::vector<Grab> wanted;
    // While a dialog waits for a hot key, every key must reach it: no grabs at all.
    if (block_.HotKeyEntryFlag())
        return wanted;
    std::set<int> codes;
    for (int code = 0; code < kHotKeyFlagCount; ++code)
        if (block_.HotKeyFlag(code))
            codes.insert(code);
    for (int place = 1; place <= block_.MacroCount(); ++place) {
        const int a = block_.Activation(place);
        if (a >= kKeyHotKeyCodes && a < kHotKeyCodes && block_.Active(place))
            codes.insert(a);
    }
    for (int code : codes) {
        const HotKeyParts p = DecipherKey(code);
        if (p.button) {
            const std::uint8_t xButton = p.button == kButtonLeft     ? 1
                                         : p.button == kButtonMiddle ? 2
                                                                     : 3;
            wanted.push_back({code, xButton, GrabMask(p), true});
        } else if (const xkb_keycode_t k =
                       input_.Keyboard().Layout().KeycodeForVk(static_cast<std::uint8_t>(p.vk))) {
            wanted.push_back({code, static_cast<std::uint8_t>(k), GrabMask(p), false});
        }
    }
    return wanted;
}

bool X11Hook::DoGrab(const Grab& g) {
    bool ok = true;
    for (std::uint16_t extra : kLockCombos) {
        const auto mods = static_cast<std::uint16_t>(g.modifiers | extra);
        const xcb_void_cookie_t c =
            g.button ? xcb_grab_button_checked(x_.Raw(), 0, x_.Root(),
                                               XCB_EVENT_MASK_BUTTON_PRESS |
                                                   XCB_EVENT_MASK_BUTTON_RELEASE,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE,
                                               XCB_NONE, g.keycodeOrButton, mods)
                     : xcb_grab_key_checked(x_.Raw(), 1, x_.Root(), mods, g.keycodeOrButton,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (XcbPtr<xcb_generic_error_t> e{xcb_request_check(x_.Raw(), c)})
            ok = false;
    }
    return ok;
}

void X11Hook::Ungrab(const Grab& g) {
    for (std::uint16_t extra : kLockCombos) {
        const auto mods = static_cast<std::uint16_t>(g.modifiers | extra);
        if (g.button)
            xcb_ungrab_button(x_.Raw(), g.keycodeOrButton, x_.Root(), mods);
        else
            xcb_ungrab_key(x_.Raw(), g.keycodeOrButton, x_.Root(), mods);
    }
}

void X11Hook::RefreshHotKeys() {
    if (!listener_)
        return;
    const std::vector<Grab> wanted = WantedGrabs();
    const std::set<Grab> want(wanted.begin(), wanted.end());
    for (auto it = grabbed_.begin(); it != grabbed_.end();) {
        if (!want.count(*it)) {
            Ungrab(*it);
            it = grabbed_.erase(it);
        } else {
            ++it;
        }
    }
    for (const Grab& g : want) {
        if (grabbed_.count(g))
            continue;
        if (DoGrab(g)) {
            grabbed_.insert(g);
        } else {
            Ungrab(g);
            // Said once per hot key: it stays taken until the other program lets it go.
            if (reportedTaken_.insert(g.code).second)
                listener_->OnHotKeyTaken(g.code);
        }
    }
    x_.Flush();
}

std::int64_t X11Hook::Milliseconds(std::uint32_t serverTime) {
    // The server's clock wraps after 49 days: count on from the last event.
    if (lastServerTime_ != 0)
        captureMs_ += static_cast<std::uint32_t>(serverTime - lastServerTime_);
    lastServerTime_ = serverTime;
    return captureMs_;
}

bool X11Hook::IsStopKey(std::uint8_t vk, std::uint16_t button) const {
    const HotKeyParts held = HeldWith(vk, button);
    auto matches = [&](const CaptureStopKey& k) {
        if (k.mouseButton == 0 && k.virtualKey == 0)
            return false;
        if (k.mouseButton != 0 ? k.mouseButton != button : k.virtualKey != vk)
            return false;
        return k.ctrl == held.ctrl && k.alt == held.alt && k.shift == held.shift &&
               k.win == held.win;
    };
    return matches(block_.StopKey()) ||
           (block_.SecondStopKeyPresent() && matches(block_.SecondStopKey()));
}

void X11Hook::Capture(const Recorded& e, std::uint8_t vk) {
    CapturedInput in;
    in.ms = Milliseconds(e.time);
    in.x = e.rootX;
    in.y = e.rootY;
    const bool press = e.type == kKeyPress || e.type == kButtonPress;
    if (e.type == kKeyPress || e.type == kKeyRelease) {
        if (press)
            userDown_.insert(e.detail);
        else
            userDown_.erase(e.detail);
        // AltGr shows in the characters it gives, not as a key of its own.
        const CapturedKey key = ReadCapturedKey(state_, e.detail);
        if (vk == 0 || key.level3)
            return;
        if (press) {
            if (IsStopKey(vk, 0))
                return listener_->OnCaptureStop();
            // A hot key in use reaches no window: the user is told, nothing is recorded.
            if (!IsModifierVk(vk)) {
                const int code = HotKeyCode(HeldWith(vk, kButtonNone));
                if (code >= 0 && block_.HotKeyFlag(code)) {
                    const std::uint16_t caps = CapsLockOn() ? 0x8000 : 0;
                    return listener_->OnHotKey(static_cast<std::uint16_t>(code | caps),
                                               windows_.Foreground());
                }
            }
            in.character = key.character;
            in.plainCharacter = key.plainCharacter;
        }
        in.kind = press ? CapturedInput::Kind::KeyDown : CapturedInput::Kind::KeyUp;
        in.vk = OneSided(vk);
        return listener_->OnCaptured(in);
    }

    if (e.type == kMotionNotify) {
        in.kind = CapturedInput::Kind::Move;
    } else if (e.detail == 4 || e.detail == 5) {
        if (!press)
            return;
        in.kind = CapturedInput::Kind::Wheel;
        in.notches = e.detail == 4 ? 1 : -1;
    } else if (e.detail >= 1 && e.detail <= 3) {
        // X numbers the middle button 2 and the right one 3.
        const std::uint16_t button = e.detail == 1   ? kButtonLeft
                                     : e.detail == 2 ? kButtonMiddle
                                                     : kButtonRight;
        if (press && IsStopKey(0, button))
            return listener_->OnCaptureStop();
        in.kind = press ? CapturedInput::Kind::ButtonDown : CapturedInput::Kind::ButtonUp;
        in.button = e.detail == 1   ? PointerButton::Left
                    : e.detail == 2 ? PointerButton::Middle
                                    : PointerButton::Right;
    } else {
        return; // sideways wheel and extra buttons: no tag plays them
    }
    // Positions measured from the window in front need its frame at this moment.
    if (in.kind != CapturedInput::Kind::Move && !block_.CaptureRelativeToScreen()) {
        if (const WindowId front = windows_.Foreground())
            in.window = windows_.Rect(front);
    }
    listener_->OnCaptured(in);
}

void X11Hook::SetCapturing(bool on) {
    if (capturing_ == on || !control_ || !context_)
        return;
    capturing_ = on;
    lastServerTime_ = 0;
    captureMs_ = 0;
    // The context keeps running: its ranges change in place, so no event falls between.
    XRecordRange* range = NewRange(on);
    XRecordClientSpec clients = XRecordAllClients;
    XRecordRegisterClients(control_, context_, 0, &clients, 1, &range, 1);
    XFree(range);
    XSync(control_, False);
}

void X11Hook::WaitForStream(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    Drain();
    if (done() || !notifier_)
        return;
    // Ends the moment the record stream brings what is waited for, not a time slice later.
    QEventLoop loop;
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, &loop, [this, &loop, &done] {
        Drain();
        if (done())
            loop.quit();
    });
    qt::RunLoopFor(loop, limit);
}

void X11Hook::WaitForRelease(std::chrono::milliseconds limit) {
    WaitForStream([this] { return userDown_.empty(); }, limit);
}

void X11Hook::WaitForPlaybackEnd(std::chrono::milliseconds limit) {
    if (!block_.Playing())
        return;
    WaitForStream([this] { return !block_.Playing(); }, limit);
    // A marker the server never reported: it must not hold up every hot key after it.
    block_.SetPlaying(false);
}

} // namespace kv::x11
