// Clipboard, addresses, the bell and sounds.

#include "e2e/support/Harness.h"

#include <xcb/xcb.h>
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace kv::e2e {
namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path;
    TempDir() {
        char tmpl[] = "/tmp/keyvane-e2e-XXXXXX";
        path = mkdtemp(tmpl);
    }
    ~TempDir() { fs::remove_all(path); }
};

std::string Hex(const std::string& s) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

TEST(Clipboard, BlockIsPastedWithCtrlV) {
    ProbeClient probe("Clipboard probe");
    ASSERT_TRUE(probe.Ready()) << probe.Describe();
    Play("<BEGCLIP>Hello, clipboard: äöü €<ENDCLIP><CLIPP>");
    EXPECT_TRUE(probe.WaitForLine("paste " + Hex("Hello, clipboard: äöü €")))
        << ::testing::PrintToString(probe.Lines("paste "));
}

TEST(Clipboard, WindowsLineEndsBecomeLineFeeds) {
    ProbeClient probe("Clipboard probe");
    ASSERT_TRUE(probe.Ready()) << probe.Describe();
    Platform().GetDesktop().SetClipboardText(std::string("one\r\ntwo\0three", 13));
    Play("<CLIPP>");
    EXPECT_TRUE(probe.WaitForLine("paste " + Hex("one\ntwo")));
}

TEST(Desktop, AddressGoesToTheDesktopOpener) {
    // xdg-open outside a known desktop hands addresses to $BROWSER.
    TempDir dir;
    const fs::path browser = dir.path / "browser";
    const fs::path seen = dir.path / "seen";
    std::ofstream(browser) << "#!/bin/sh\necho \"$1\" > '" << seen.string() << "'\n";
    fs::permissions(browser, fs::perms::owner_all);
    setenv("BROWSER", browser.c_str(), 1);
    Play("<HTTP:http://example.invalid/a?b=1&c=2>");
    unsetenv("BROWSER");
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(seen) && fs::file_size(seen) > 0; }));
    std::ifstream in(seen);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "http://example.invalid/a?b=1&c=2");
}

TEST(Desktop, LaunchSplitsParametersWithoutAShell) {
    TempDir dir;
    const fs::path out = dir.path / "args";
    // printf gets each argument as the shell would split it, and no expansion happens.
    Platform().GetDesktop().Launch("/bin/sh", "-c 'printf \"[%s]\" \"$@\" > " + out.string() +
                                                  "' x \"a b\" 'c d' $HOME *");
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(out) && fs::file_size(out) > 0; }));
    std::ifstream in(out);
    std::string got;
    std::getline(in, got);
    EXPECT_EQ(got, "[a b][c d][$HOME][*]");
}

TEST(Desktop, BeepRingsTheDisplaysBell) {
    // Watch for the server's bell notice on a connection of our own.
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(c));
    free(xcb_xkb_use_extension_reply(c, xcb_xkb_use_extension(c, 1, 0), nullptr));
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(c, &xcb_xkb_id);
    ASSERT_TRUE(xkb && xkb->present);
    xcb_xkb_select_events(c, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_EVENT_TYPE_BELL_NOTIFY, 0,
                          XCB_XKB_EVENT_TYPE_BELL_NOTIFY, 0, 0, nullptr);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    Play("<BEEP>");
    bool rang = WaitUntil([&] {
        while (xcb_generic_event_t* ev = xcb_poll_for_event(c)) {
            bool bell = ev->response_type == xkb->first_event &&
                        reinterpret_cast<uint8_t*>(ev)[1] == XCB_XKB_BELL_NOTIFY;
            free(ev);
            if (bell)
                return true;
        }
        return false;
    });
    xcb_disconnect(c);
    EXPECT_TRUE(rang);
}

TEST(Desktop, SoundsWithoutAnAudioDeviceAreSilentAndQuick) {
    TempDir dir;
    const fs::path wav = dir.path / "tone.wav";
    {
        // One second of silence, 8 kHz mono 8-bit.
        std::ofstream f(wav, std::ios::binary);
        auto le32 = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
        };
        auto le16 = [&](std::uint16_t v) {
            f.put(static_cast<char>(v & 0xFF));
            f.put(static_cast<char>(v >> 8));
        };
        f << "RIFF";
        le32(36 + 8000);
        f << "WAVEfmt ";
        le32(16);
        le16(1);
        le16(1);
        le32(8000);
        le32(8000);
        le16(1);
        le16(8);
        f << "data";
        le32(8000);
        f << std::string(8000, '\x80');
    }
    auto start = std::chrono::steady_clock::now();
    Play("<WAV1:" + wav.string() + "><WAV2:" + wav.string() +
         "><WAV1:" + (dir.path / "missing.wav").string() + ">");
    auto took = std::chrono::steady_clock::now() - start;
    // With no audio output nothing plays; with one, the waiting sound takes its second.
    EXPECT_LT(took, 5s);
}

} // namespace
} // namespace kv::e2e
