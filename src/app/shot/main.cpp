// keyvane-shot: saves a picture of the X display, or of its top-level window whose title
// starts with a given text, as a PNG file. scripts/run uses it to show Keyvane started on a
// virtual display; the end-to-end tests keep pictures of the main window with it.
//
//   keyvane-shot OUT.png [TITLE]

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Title(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netWmName, xcb_atom_t utf8) {
    for (auto [atom, type] : {std::pair{netWmName, utf8}, std::pair{xcb_atom_t(XCB_ATOM_WM_NAME),
                                                                    xcb_atom_t(XCB_ATOM_STRING)}}) {
        auto* r =
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, atom, type, 0, 1024), nullptr);
        if (!r)
            continue;
        std::string t(static_cast<const char*>(xcb_get_property_value(r)),
                      static_cast<std::size_t>(xcb_get_property_value_length(r)));
        std::free(r);
        if (!t.empty())
            return t;
    }
    return {};
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    auto* r = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : XCB_NONE;
    std::free(r);
    return a;
}

// The managed top-level windows, from the window manager's list.
std::vector<xcb_window_t> ClientWindows(xcb_connection_t* c, xcb_window_t root) {
    std::vector<xcb_window_t> out;
    auto* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, Atom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 0, 4096),
        nullptr);
    if (!r)
        return out;
    const auto* w = static_cast<const xcb_window_t*>(xcb_get_property_value(r));
    out.assign(w, w + xcb_get_property_value_length(r) / 4);
    std::free(r);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: keyvane-shot OUT.png [TITLE]\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "keyvane-shot: no display\n");
        return 1;
    }
    WId window = 0;
    if (argc > 2) {
        int n = 0;
        xcb_connection_t* c = xcb_connect(nullptr, &n);
        const xcb_screen_t* s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const xcb_atom_t name = Atom(c, "_NET_WM_NAME"), utf8 = Atom(c, "UTF8_STRING");
        for (xcb_window_t w : ClientWindows(c, s->root)) {
            if (Title(c, w, name, utf8).rfind(argv[2], 0) == 0)
                window = w;
        }
        xcb_disconnect(c);
        if (!window) {
            std::fprintf(stderr, "keyvane-shot: no window titled \"%s...\"\n", argv[2]);
            return 1;
        }
    }
    // The window's own contents; the whole screen when no title was given.
    const QPixmap picture = screen->grabWindow(window);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "keyvane-shot: cannot save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
