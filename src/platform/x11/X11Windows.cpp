#include "platform/x11/X11Windows.h"

#include "engine/core/Ansi.h"
#include "platform/x11/ProcFs.h"

#include <xcb/res.h>

#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace kv::x11 {

namespace {

constexpr std::uint32_t kSourcePager = 2; // EWMH: a request the user made through a tool
constexpr std::uint32_t kNetStateRemove = 0;
constexpr std::uint32_t kNetStateAdd = 1;
constexpr std::uint32_t kIconicState = 3;

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    for (char ch : latin1) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

X11Windows::X11Windows(XcbConnection& x, EventPump& pump) : x_(x), pump_(pump) {}

bool X11Windows::HasWindowManager() {
    xcb_atom_t check = x_.Atom("_NET_SUPPORTING_WM_CHECK");
    auto onRoot = x_.Cardinals(x_.Root(), check, XCB_ATOM_WINDOW);
    if (onRoot.empty() || onRoot[0] == 0)
        return false;
    // A manager that died leaves the property behind, pointing at a window that is gone.
    auto onChild = x_.Cardinals(onRoot[0], check, XCB_ATOM_WINDOW);
    return !onChild.empty() && onChild[0] == onRoot[0];
}

bool X11Windows::Exists(xcb_window_t w) {
    XcbPtr<xcb_get_window_attributes_reply_t> a(
        xcb_get_window_attributes_reply(x_.Raw(), xcb_get_window_attributes(x_.Raw(), w), nullptr));
    return a != nullptr;
}

bool X11Windows::IsViewable(xcb_window_t w) {
    XcbPtr<xcb_get_window_attributes_reply_t> a(
        xcb_get_window_attributes_reply(x_.Raw(), xcb_get_window_attributes(x_.Raw(), w), nullptr));
    return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
}

bool X11Windows::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    while (!done()) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pump_.WaitFor(std::min(left, std::chrono::milliseconds(10)));
    }
    return true;
}

std::vector<WindowId> X11Windows::TopLevelWindows() {
    std::vector<WindowId> list;
    if (HasWindowManager()) {
        // The manager lists bottom to top; Windows enumerates front to back.
        auto stacking =
            x_.Cardinals(x_.Root(), x_.Atom("_NET_CLIENT_LIST_STACKING"), XCB_ATOM_WINDOW);
        if (stacking.empty())
            stacking = x_.Cardinals(x_.Root(), x_.Atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
        list.assign(stacking.rbegin(), stacking.rend());
    } else {
        XcbPtr<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(x_.Raw(), xcb_query_tree(x_.Raw(), x_.Root()), nullptr));
        if (tree) {
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            for (int i = xcb_query_tree_children_length(tree.get()) - 1; i >= 0; --i) {
                XcbPtr<xcb_get_window_attributes_reply_t> a(xcb_get_window_attributes_reply(
                    x_.Raw(), xcb_get_window_attributes(x_.Raw(), children[i]), nullptr));
                if (a && a->map_state == XCB_MAP_STATE_VIEWABLE && !a->override_redirect)
                    list.push_back(children[i]);
            }
        }
    }
    std::erase_if(hidden_, [&](xcb_window_t w) { return !Exists(w); });
    for (xcb_window_t w : hidden_) {
        if (std::find(list.begin(), list.end(), w) == list.end())
            list.push_back(w);
    }
    return list;
}

std::string X11Windows::Title(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    if (auto utf8 = x_.Bytes(w, x_.Atom("_NET_WM_NAME"), x_.Atom("UTF8_STRING")))
        return Utf8ToAnsi(*utf8);
    if (auto utf8 = x_.Bytes(w, XCB_ATOM_WM_NAME, x_.Atom("UTF8_STRING")))
        return Utf8ToAnsi(*utf8);
    if (auto latin1 = x_.Bytes(w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING))
        return Utf8ToAnsi(Latin1ToUtf8(*latin1));
    return {};
}

WindowId X11Windows::Foreground() {
    if (HasWindowManager()) {
        auto active = x_.Cardinals(x_.Root(), x_.Atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
        return active.empty() ? 0 : active[0];
    }
    XcbPtr<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(x_.Raw(), xcb_get_input_focus(x_.Raw()), nullptr));
    if (!focus || focus->focus == XCB_NONE || focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT ||
        focus->focus == x_.Root())
        return 0;
    // The focus may sit on a child; the foreground window is its top-level ancestor.
    xcb_window_t w = focus->focus;
    for (;;) {
        XcbPtr<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(x_.Raw(), xcb_query_tree(x_.Raw(), w), nullptr));
        if (!tree)
            return 0;
        if (tree->parent == x_.Root() || tree->parent == XCB_NONE)
            return w;
        w = tree->parent;
    }
}

WindowId X11Windows::Parent(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    // A client of the manager is top-level even though a frame is its X parent.
    if (!x_.Cardinals(w, x_.Atom("WM_STATE"), x_.Atom("WM_STATE")).empty())
        return 0;
    XcbPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(x_.Raw(), xcb_query_tree(x_.Raw(), w), nullptr));
    if (!tree || tree->parent == x_.Root())
        return 0;
    return tree->parent;
}

std::vector<xcb_atom_t> X11Windows::NetState(xcb_window_t w) {
    return x_.Cardinals(w, x_.Atom("_NET_WM_STATE"), XCB_ATOM_ATOM);
}

bool X11Windows::IsMinimized(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    auto wmState = x_.Cardinals(w, x_.Atom("WM_STATE"), x_.Atom("WM_STATE"));
    if (!wmState.empty() && wmState[0] == kIconicState)
        return true;
    auto state = NetState(w);
    return std::find(state.begin(), state.end(), x_.Atom("_NET_WM_STATE_HIDDEN")) != state.end();
}

bool X11Windows::IsMaximized(WindowId id) {
    auto state = NetState(static_cast<xcb_window_t>(id));
    auto has = [&](std::string_view name) {
        return std::find(state.begin(), state.end(), x_.Atom(name)) != state.end();
    };
    return has("_NET_WM_STATE_MAXIMIZED_VERT") && has("_NET_WM_STATE_MAXIMIZED_HORZ");
}

void X11Windows::ChangeNetState(xcb_window_t w, std::uint32_t action) {
    x_.SendToRoot(w, x_.Atom("_NET_WM_STATE"), action, x_.Atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                  x_.Atom("_NET_WM_STATE_MAXIMIZED_HORZ"), kSourcePager);
}

void X11Windows::Activate(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    if (!Exists(w))
        return;
    if (HasWindowManager()) {
        x_.SendToRoot(w, x_.Atom("_NET_ACTIVE_WINDOW"), kSourcePager, XCB_CURRENT_TIME, 0);
    } else if (IsViewable(w)) {
        const std::uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(x_.Raw(), w, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_set_input_focus(x_.Raw(), XCB_INPUT_FOCUS_PARENT, w, XCB_CURRENT_TIME);
        x_.Flush();
    }
    // Keys typed next must reach this window, so wait until it really has the focus.
    WaitUntil([&] { return Foreground() == id; }, kSettle);
}

void X11Windows::Restore(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    if (std::find(hidden_.begin(), hidden_.end(), w) != hidden_.end() || IsMinimized(id)) {
        // Mapping an iconic window makes it normal again (ICCCM).
        Show(id);
        WaitUntil([&] { return !IsMinimized(id); }, kSettle);
    } else if (IsMaximized(id)) {
        ChangeNetState(w, kNetStateRemove);
        WaitUntil([&] { return !IsMaximized(id); }, kSettle);
    }
}

void X11Windows::Maximize(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    if (!Exists(w))
        return;
    if (!HasWindowManager()) {
        const std::uint32_t geometry[] = {0, 0, x_.Screen().width_in_pixels,
                                          x_.Screen().height_in_pixels};
        xcb_configure_window(x_.Raw(), w,
                             XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                                 XCB_CONFIG_WINDOW_HEIGHT,
                             geometry);
        x_.Flush();
        return;
    }
    if (IsMinimized(id))
        Show(id);
    ChangeNetState(w, kNetStateAdd);
    WaitUntil([&] { return IsMaximized(id); }, kSettle);
}

void X11Windows::Minimize(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    if (!Exists(w))
        return;
    // XIconifyWindow's request; without a manager nobody acts on it, as with Xlib.
    x_.SendToRoot(w, x_.Atom("WM_CHANGE_STATE"), kIconicState);
    if (HasWindowManager())
        WaitUntil([&] { return IsMinimized(id); }, kSettle);
}

void X11Windows::Close(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    if (!Exists(w))
        return;
    if (HasWindowManager()) {
        x_.SendToRoot(w, x_.Atom("_NET_CLOSE_WINDOW"), XCB_CURRENT_TIME, kSourcePager);
    } else {
        const xcb_atom_t deleteWindow = x_.Atom("WM_DELETE_WINDOW");
        if (!x_.HasProtocol(w, deleteWindow)) {
            // No close protocol: what a window manager does too.
            xcb_kill_client(x_.Raw(), w);
            x_.Flush();
            return;
        }
        x_.SendProtocol(w, deleteWindow, XCB_CURRENT_TIME);
    }
    // SC_CLOSE is sent and handled before it returns; a window that asks first stays.
    WaitUntil([&] { return !IsViewable(w); }, kSettle);
}

void X11Windows::Show(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    std::erase(hidden_, w);
    xcb_map_window(x_.Raw(), w);
    x_.Flush();
}

void X11Windows::Hide(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    if (!Exists(w))
        return;
    // Withdraw (ICCCM 4.1.4): unmap, and tell the manager with a synthetic UnmapNotify.
    xcb_unmap_window(x_.Raw(), w);
    xcb_unmap_notify_event_t ev{};
    ev.response_type = XCB_UNMAP_NOTIFY;
    ev.event = x_.Root();
    ev.window = w;
    xcb_send_event(x_.Raw(), 0, x_.Root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&ev));
    x_.Flush();
    if (std::find(hidden_.begin(), hidden_.end(), w) == hidden_.end())
        hidden_.push_back(w);
}

void X11Windows::Quit(WindowId id) {
    int pid = ProcessOf(id);
    if (pid > 1 && pid != getpid())
        ::kill(pid, SIGTERM);
}

void X11Windows::Resize(WindowId id, int width, int height) {
    auto w = static_cast<xcb_window_t>(id);
    if (!Exists(w))
        return;
    // Windows sizes the outer rectangle; X sizes the client inside the frame.
    auto extents = x_.Cardinals(w, x_.Atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
    if (extents.size() == 4) {
        width -= static_cast<int>(extents[0] + extents[1]);
        height -= static_cast<int>(extents[2] + extents[3]);
    }
    auto cw = static_cast<std::uint32_t>(std::max(width, 1));
    auto ch = static_cast<std::uint32_t>(std::max(height, 1));
    if (HasWindowManager()) {
        constexpr std::uint32_t kFlags =
            1 /* NorthWest */ | (1u << 10) | (1u << 11) | (kSourcePager << 12);
        x_.SendToRoot(w, x_.Atom("_NET_MOVERESIZE_WINDOW"), kFlags, 0, 0, cw, ch);
    } else {
        const std::uint32_t size[] = {cw, ch};
        xcb_configure_window(x_.Raw(), w, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
        x_.Flush();
    }
}

void X11Windows::Move(WindowId id, int left, int top) {
    auto w = static_cast<xcb_window_t>(id);
    if (!Exists(w))
        return;
    if (HasWindowManager()) {
        // North-west gravity: the frame's outer corner goes to (left, top).
        constexpr std::uint32_t kFlags = 1 | (1u << 8) | (1u << 9) | (kSourcePager << 12);
        x_.SendToRoot(w, x_.Atom("_NET_MOVERESIZE_WINDOW"), kFlags,
                      static_cast<std::uint32_t>(left), static_cast<std::uint32_t>(top));
    } else {
        const std::uint32_t position[] = {static_cast<std::uint32_t>(left),
                                          static_cast<std::uint32_t>(top)};
        xcb_configure_window(x_.Raw(), w, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, position);
        x_.Flush();
    }
}

std::optional<WindowRect> X11Windows::Rect(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    XcbPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(x_.Raw(), xcb_get_geometry(x_.Raw(), w), nullptr));
    XcbPtr<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        x_.Raw(), xcb_translate_coordinates(x_.Raw(), w, x_.Root(), 0, 0), nullptr));
    if (!geometry || !origin)
        return std::nullopt;
    WindowRect r{origin->dst_x, origin->dst_y, origin->dst_x + geometry->width,
                 origin->dst_y + geometry->height};
    auto extents = x_.Cardinals(w, x_.Atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
    if (extents.size() == 4) {
        r.left -= static_cast<int>(extents[0]);
        r.right += static_cast<int>(extents[1]);
        r.top -= static_cast<int>(extents[2]);
        r.bottom += static_cast<int>(extents[3]);
    }
    return r;
}

int X11Windows::ProcessOf(WindowId id) {
    auto w = static_cast<xcb_window_t>(id);
    // The server knows the process of a local client for certain; _NET_WM_PID is the
    // client's own word, and only for clients that set it.
    xcb_res_client_id_spec_t spec{w, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    XcbPtr<xcb_res_query_client_ids_reply_t> ids(xcb_res_query_client_ids_reply(
        x_.Raw(), xcb_res_query_client_ids(x_.Raw(), 1, &spec), nullptr));
    if (ids) {
        for (auto it = xcb_res_query_client_ids_ids_iterator(ids.get()); it.rem;
             xcb_res_client_id_value_next(&it)) {
            if ((it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) &&
                xcb_res_client_id_value_value_length(it.data) > 0)
                return static_cast<int>(*xcb_res_client_id_value_value(it.data));
        }
    }
    auto pid = x_.Cardinals(w, x_.Atom("_NET_WM_PID"), XCB_ATOM_CARDINAL);
    return pid.empty() ? 0 : static_cast<int>(pid[0]);
}

std::vector<ProcessInfo> X11Windows::Processes() {
    return ListProcesses();
}

std::string X11Windows::ProgramOf(int pid) {
    return pid > 0 ? ProgramOfProcess(pid) : std::string();
}

} // namespace kv::x11
