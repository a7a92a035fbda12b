#include "platform/x11/X11Desktop.h"

#include "engine/core/Ansi.h"
#include "platform/x11/Launcher.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kv::x11 {

X11Desktop::X11Desktop(XcbConnection& x) : x_(x) {}

void X11Desktop::Launch(std::string_view file, std::string_view parameters) {
    if (auto command = OpenCommand(AnsiToUtf8(file), AnsiToUtf8(parameters)))
        Spawn(*command);
}

void X11Desktop::OpenAddress(std::string_view address) {
    if (!address.empty())
        Spawn(Command{"xdg-open", {AnsiToUtf8(address)}});
}

void X11Desktop::SetClipboardText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    // Windows text has CR LF line ends; X clients expect LF.
    std::string lf;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        lf += text[i];
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(AnsiToUtf8(lf)),
                                          QClipboard::Clipboard);
}

void X11Desktop::PlaySound(std::string_view file, bool wait) {
    sound_.Play(QString::fromStdString(AnsiToUtf8(file)), wait);
}

void X11Desktop::Beep() {
    xcb_bell(x_.Raw(), 0);
    x_.Flush();
}

} // namespace kv::x11
