// keyvane_xlib_probe: the probe client as a plain Xlib program, like xterm and other older
// clients: it reads characters through an input method (or XLookupString), refreshes its
// keymap when told of a change, and does not answer _NET_WM_PING. It reports what it
// receives in the same lines as keyvane_probe:
//
//   ready <window id>          mapped and shown
//   focus in | focus out
//   char <code point>          each character a key typed (Enter gives 13)
//   key down|up <keysym name>  every key event
//   button down|up <left|middle|right> <x> <y>   screen position
//   wheel <+n|-n>              notches, forward positive
//   motion <x> <y>             screen position
//
// Options: --title TEXT, --place X,Y,W,H

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <string>
#include <unistd.h>

namespace {

void Report(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string KeysymName(KeySym sym) {
    const char* name = sym == NoSymbol ? nullptr : XKeysymToString(sym);
    if (name)
        return name;
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%lx", static_cast<unsigned long>(sym));
    return hex;
}

void ReportChar(unsigned c) {
    // Enter is reported as 13 whichever way the client reads it.
    Report("char " + std::to_string(c == '\n' ? 13u : c));
}

// The code points of UTF-8 text.
void ReportUtf8(const char* utf8, int length) {
    for (int i = 0; i < length;) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        unsigned c = n == 1 ? b : b & (0x7F >> n);
        for (int k = 1; k < n && i + k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        ReportChar(c);
        i += n;
    }
}

// Without an input method XLookupString gives text in the locale's charset: UTF-8 when such a
// locale could be had, else Latin-1, which has no room for what a Unicode keysym names.
void ReportLookedUp(const char* text, int length, KeySym sym, bool utf8Locale) {
    if (utf8Locale) {
        ReportUtf8(text, length);
    } else if ((sym & 0xFF000000) == 0x01000000) {
        ReportChar(static_cast<unsigned>(sym & 0x00FFFFFF));
    } else {
        for (int i = 0; i < length; ++i)
            ReportChar(static_cast<unsigned char>(text[i]));
    }
}

// The keysym the key gives with the modifiers held, as the client reads it.
std::string KeyName(XKeyEvent& key) {
    char text[64];
    KeySym sym = NoSymbol;
    XLookupString(&key, text, sizeof text, &sym, nullptr);
    return KeysymName(sym);
}

const char* ButtonName(unsigned button) {
    return button == 1 ? "left" : button == 2 ? "middle" : button == 3 ? "right" : "other";
}

} // namespace

int main(int argc, char** argv) {
    std::string title = "Keyvane probe";
    int x = 100, y = 100, w = 400, h = 300;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--title") == 0)
            title = argv[i + 1];
        else if (std::strcmp(argv[i], "--place") == 0)
            std::sscanf(argv[i + 1], "%d,%d,%d,%d", &x, &y, &w, &h);
    }
    // Characters come as UTF-8 whatever the environment says: Xlib converts keysyms to the
    // locale's charset, so a plain C locale would lose all but Latin-1.
    const char* locale = std::setlocale(LC_ALL, "");
    if (!locale || !XSupportsLocale() || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_ALL, "C.UTF-8");
    const bool utf8Locale = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    XSetLocaleModifiers("");

    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return 1;
    const int screen = DefaultScreen(d);
    Window win = XCreateSimpleWindow(d, RootWindow(d, screen), x, y, static_cast<unsigned>(w),
                                     static_cast<unsigned>(h), 0, BlackPixel(d, screen), 0xF0F0DC);
    XSizeHints hints{};
    hints.flags = USPosition | USSize;
    hints.x = x;
    hints.y = y;
    hints.width = w;
    hints.height = h;
    XWMHints wmHints{};
    wmHints.flags = InputHint;
    wmHints.input = True;
    // WM_NAME (in STRING or COMPOUND_TEXT as the title needs), WM_CLASS from the program's
    // name, WM_CLIENT_MACHINE and WM_COMMAND, as an ordinary Xlib program sets them.
    char className[] = "keyvane_xlib_probe";
    XClassHint classHint{nullptr, className};
    Xutf8SetWMProperties(d, win, title.c_str(), title.c_str(), argv, argc, &hints, &wmHints,
                         &classHint);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    XChangeProperty(d, win, XInternAtom(d, "_NET_WM_NAME", False), utf8, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
    const long pid = getpid();
    XChangeProperty(d, win, XInternAtom(d, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    // Only WM_DELETE_WINDOW: this client is one that cannot be pinged.
    const Atom protocols = XInternAtom(d, "WM_PROTOCOLS", False);
    Atom deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, win, &deleteWindow, 1);

    XIM im = XOpenIM(d, nullptr, nullptr, nullptr);
    XIC ic = im ? XCreateIC(im, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow,
                            win, XNFocusWindow, win, nullptr)
                : nullptr;
    long imEvents = 0;
    if (ic)
        XGetICValues(ic, XNFilterEvents, &imEvents, nullptr);
    XSelectInput(d, win,
                 KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                     PointerMotionMask | FocusChangeMask | ExposureMask | StructureNotifyMask |
                     imEvents);
    XMapWindow(d, win);

    bool announced = false;
    for (;;) {
        XEvent ev;
        XNextEvent(d, &ev);
        // Every key counts, also one the input method takes into a compose sequence; the
        // press it puts back with the composed text has no key code and is no key.
        if ((ev.type == KeyPress || ev.type == KeyRelease) && ev.xkey.keycode != 0)
            Report((ev.type == KeyPress ? "key down " : "key up ") + KeyName(ev.xkey));
        if (XFilterEvent(&ev, None))
            continue;
        switch (ev.type) {
        case Expose:
            if (!announced) {
                announced = true;
                Report("ready " + std::to_string(win));
            }
            break;
        case FocusIn:
            if (ic)
                XSetICFocus(ic);
            Report("focus in");
            break;
        case FocusOut:
            if (ic)
                XUnsetICFocus(ic);
            Report("focus out");
            break;
        case MappingNotify:
            XRefreshKeyboardMapping(&ev.xmapping);
            break;
        case KeyPress: {
            char text[64];
            KeySym sym = NoSymbol;
            if (ic) {
                Status status = 0;
                const int length =
                    Xutf8LookupString(ic, &ev.xkey, text, sizeof text, &sym, &status);
                if (status == XLookupChars || status == XLookupBoth)
                    ReportUtf8(text, length);
            } else {
                const int length = XLookupString(&ev.xkey, text, sizeof text, &sym, nullptr);
                ReportLookedUp(text, length, sym, utf8Locale);
            }
            break;
        }
        case ButtonPress:
        case ButtonRelease: {
            const XButtonEvent& b = ev.xbutton;
            if (b.button == 4 || b.button == 5) {
                if (ev.type == ButtonPress)
                    Report(b.button == 4 ? "wheel +1" : "wheel -1");
                break;
            }
            Report(std::string("button ") + (ev.type == ButtonPress ? "down " : "up ") +
                   ButtonName(b.button) + " " + std::to_string(b.x_root) + " " +
                   std::to_string(b.y_root));
            break;
        }
        case MotionNotify:
            Report("motion " + std::to_string(ev.xmotion.x_root) + " " +
                   std::to_string(ev.xmotion.y_root));
            break;
        case ClientMessage:
            if (ev.xclient.message_type == protocols &&
                static_cast<Atom>(ev.xclient.data.l[0]) == deleteWindow) {
                if (ic)
                    XDestroyIC(ic);
                if (im)
                    XCloseIM(im);
                XCloseDisplay(d);
                return 0;
            }
            break;
        case DestroyNotify:
            // Destroyed by another client: there is nothing left to report on.
            if (ev.xdestroywindow.window == win) {
                XCloseDisplay(d);
                return 0;
            }
            break;
        default:
            break;
        }
    }
}
