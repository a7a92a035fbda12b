#pragma once
// Programs, addresses, clipboard, sounds and the bell on an X desktop.

#include "engine/ports/Desktop.h"
#include "platform/qt/WavPlayer.h"
#include "platform/x11/XcbConnection.h"

namespace kv::x11 {

class X11Desktop final : public Desktop {
public:
    explicit X11Desktop(XcbConnection& x);

    void Launch(std::string_view file, std::string_view parameters) override;
    void OpenAddress(std::string_view address) override;
    // Keyvane owns the clipboard from then on, for as long as it runs.
    void SetClipboardText(std::string_view text) override;
    void PlaySound(std::string_view file, bool wait) override;
    void Beep() override;

private:
    XcbConnection& x_;
    qt::WavPlayer sound_;
};

} // namespace kv::x11
