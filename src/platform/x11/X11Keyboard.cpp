#include "platform/x11/X11Keyboard.h"

// xcb's XKB header names a field "explicit"; C++ reserves the word.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>

#include <algorithm>

namespace kv::x11 {

namespace {

// The three XKB events share one event code and differ in their second byte.
union XkbEvent {
    struct {
        std::uint8_t response_type;
        std::uint8_t xkbType;
        std::uint16_t sequence;
        xcb_timestamp_t time;
        std::uint8_t deviceID;
    } any;
    xcb_xkb_new_keyboard_notify_event_t newKeyboard;
    xcb_xkb_map_notify_event_t map;
    xcb_xkb_state_notify_event_t state;
};

} // namespace

X11Keyboard::X11Keyboard(XcbConnection& x) : x_(x), spares_(x) {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint8_t errorBase = 0;
    if (!xkb_x11_setup_xkb_extension(
            x_.Raw(), XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, &major, &minor, &xkbEvent_, &errorBase))
        return;
    device_ = xkb_x11_get_core_keyboard_device_id(x_.Raw());
    context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (device_ < 0 || !context_)
        return;

    constexpr std::uint16_t kEvents = XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY |
                                      XCB_XKB_EVENT_TYPE_MAP_NOTIFY |
                                      XCB_XKB_EVENT_TYPE_STATE_NOTIFY;
    constexpr std::uint16_t kMapParts =
        XCB_XKB_MAP_PART_KEY_TYPES | XCB_XKB_MAP_PART_KEY_SYMS | XCB_XKB_MAP_PART_MODIFIER_MAP |
        XCB_XKB_MAP_PART_EXPLICIT_COMPONENTS | XCB_XKB_MAP_PART_KEY_ACTIONS |
        XCB_XKB_MAP_PART_VIRTUAL_MODS | XCB_XKB_MAP_PART_VIRTUAL_MOD_MAP;
    constexpr std::uint16_t kNewKeyboard = XCB_XKB_NKN_DETAIL_KEYCODES;
    // Only what changes which key types a character: the group and the lock state.
    constexpr std::uint16_t kState = XCB_XKB_STATE_PART_MODIFIER_LOCK |
                                     XCB_XKB_STATE_PART_GROUP_BASE |
                                     XCB_XKB_STATE_PART_GROUP_LATCH | XCB_XKB_STATE_PART_GROUP_LOCK;
    xcb_xkb_select_events_details_t details{};
    details.affectNewKeyboard = kNewKeyboard;
    details.newKeyboardDetails = kNewKeyboard;
    details.affectState = kState;
    details.stateDetails = kState;
    xcb_xkb_select_events_aux(x_.Raw(), static_cast<xcb_xkb_device_spec_t>(device_), kEvents, 0, 0,
                              kMapParts, kMapParts, &details);
    x_.AddListener([this](const xcb_generic_event_t& ev) { OnEvent(ev); });
    Reload();
}

X11Keyboard::~X11Keyboard() {
    layout_.reset();
    if (context_)
        xkb_context_unref(context_);
}

void X11Keyboard::Reload() {
    stale_ = false;
    xkb_keymap* keymap =
        xkb_x11_keymap_new_from_device(context_, x_.Raw(), device_, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap)
        return;
    xkb_state* state = xkb_x11_state_new_from_device(keymap, x_.Raw(), device_);
    layout_ = std::make_unique<KeyboardLayout>(keymap, spares_.Pool());
    if (state) {
        layout_->SetState(
            xkb_state_serialize_mods(state, XKB_STATE_MODS_LOCKED),
            static_cast<std::int32_t>(
                xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_DEPRESSED)),
            static_cast<std::int32_t>(xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_LATCHED)),
            static_cast<std::int32_t>(xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_LOCKED)));
        xkb_state_unref(state);
    }
    xkb_keymap_unref(keymap);
}

void X11Keyboard::OnEvent(const xcb_generic_event_t& generic) {
    if ((generic.response_type & 0x7F) != xkbEvent_ || xkbEvent_ == 0)
        return;
    const auto& ev = reinterpret_cast<const XkbEvent&>(generic);
    if (ev.any.deviceID != device_)
        return;
    switch (ev.any.xkbType) {
    case XCB_XKB_NEW_KEYBOARD_NOTIFY:
        // A new keymap (setxkbmap): our bindings may have gone with the old one. Rescanning
        // waits for Layout(), as this may run in the middle of a binding.
        spares_.MarkStale();
        stale_ = true;
        break;
    case XCB_XKB_MAP_NOTIFY: {
        // Our own bindings touch only spare keys, which the layout never uses.
        const auto& m = ev.map;
        bool ours = m.nKeySyms > 0 && m.nModMapKeys == 0 && m.nKeyActs <= m.nKeySyms;
        for (int i = 0; ours && i < m.nKeySyms; ++i)
            ours = spares_.InPool(static_cast<xkb_keycode_t>(m.firstKeySym + i));
        if (!ours)
            stale_ = true;
        break;
    }
    case XCB_XKB_STATE_NOTIFY:
        if (layout_ && !stale_)
            layout_->SetState(ev.state.lockedMods, ev.state.baseGroup, ev.state.latchedGroup,
                              ev.state.lockedGroup);
        break;
    default:
        break;
    }
}

KeyboardLayout& X11Keyboard::Layout() {
    x_.DispatchEvents();
    if (spares_.Stale())
        spares_.Scan();
    if (stale_ || !layout_)
        Reload();
    return *layout_;
}

} // namespace kv::x11
