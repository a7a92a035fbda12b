#include "platform/x11/XcbConnection.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace kv::x11 {

void FreeDeleter::operator()(void* p) const {
    std::free(p);
}

XcbConnection::XcbConnection(const std::string& display) {
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(display.empty() ? nullptr : display.c_str(), &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem > 0; ++i)
        xcb_screen_next(&it);
    if (it.rem == 0) {
        xcb_disconnect(c);
        return;
    }
    conn_ = c;
    screen_ = it.data;
}

XcbConnection::~XcbConnection() {
    if (conn_)
        xcb_disconnect(conn_);
}

xcb_atom_t XcbConnection::Atom(std::string_view name) {
    if (auto found = atoms_.find(name); found != atoms_.end())
        return found->second;
    XcbPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        conn_, xcb_intern_atom(conn_, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    atoms_.emplace(std::string(name), atom);
    return atom;
}

namespace {

XcbPtr<xcb_get_property_reply_t> GetProperty(xcb_connection_t* c, xcb_window_t w,
                                             xcb_atom_t property, xcb_atom_t type) {
    // 1 MiB of 32-bit units is far more than any title or window list holds.
    return XcbPtr<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 1u << 18), nullptr));
}

} // namespace

std::vector<std::uint32_t> XcbConnection::Cardinals(xcb_window_t w, xcb_atom_t property,
                                                    xcb_atom_t type) {
    auto reply = GetProperty(conn_, w, property, type);
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    int n = xcb_get_property_value_length(reply.get()) / 4;
    return std::vector<std::uint32_t>(data, data + n);
}

std::optional<std::string> XcbConnection::Bytes(xcb_window_t w, xcb_atom_t property,
                                                xcb_atom_t type) {
    auto reply = GetProperty(conn_, w, property, type);
    if (!reply || reply->format != 8 || reply->type != type)
        return std::nullopt;
    auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(data, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

namespace {

void SendClientMessage(xcb_connection_t* c, xcb_window_t destination, std::uint32_t mask,
                       xcb_window_t w, xcb_atom_t type, const std::uint32_t (&data)[5]) {
    xcb_client_message_event_t ev;
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = w;
    ev.type = type;
    std::memcpy(ev.data.data32, data, sizeof data);
    xcb_send_event(c, 0, destination, mask, reinterpret_cast<const char*>(&ev));
    xcb_flush(c);
}

} // namespace

void XcbConnection::SendToRoot(xcb_window_t w, xcb_atom_t type, std::uint32_t d0, std::uint32_t d1,
                               std::uint32_t d2, std::uint32_t d3, std::uint32_t d4) {
    SendClientMessage(conn_, Root(),
                      XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY, w,
                      type, {d0, d1, d2, d3, d4});
}

bool XcbConnection::HasProtocol(xcb_window_t w, xcb_atom_t protocol) {
    const auto protocols = Cardinals(w, Atom("WM_PROTOCOLS"), XCB_ATOM_ATOM);
    return std::find(protocols.begin(), protocols.end(), protocol) != protocols.end();
}

void XcbConnection::SendProtocol(xcb_window_t w, xcb_atom_t protocol, std::uint32_t time,
                                 std::uint32_t d2) {
    SendClientMessage(conn_, w, XCB_EVENT_MASK_NO_EVENT, w, Atom("WM_PROTOCOLS"),
                      {protocol, time, d2, 0, 0});
}

void XcbConnection::Flush() {
    xcb_flush(conn_);
}

void XcbConnection::Sync() {
    std::free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr));
}

void XcbConnection::DispatchEvents() {
    while (xcb_generic_event_t* raw = xcb_poll_for_event(conn_)) {
        XcbPtr<xcb_generic_event_t> ev(raw);
        for (auto& listener : listeners_)
            listener(*ev);
    }
}

} // namespace kv::x11
