#include "e2e/support/Harness.h"

#include "engine/core/Ansi.h"
#include "engine/core/Settings.h"
#include "engine/player/Player.h"
#include "platform/fake/FakeWorld.h"
#include "platform/posix/SystemClock.h"

#include <QGuiApplication>

#include <cstdlib>

namespace kv::e2e {

namespace {
XSession* gSession = nullptr;
x11::X11Platform* gPlatform = nullptr;
} // namespace

XSession& Session() {
    return *gSession;
}

x11::X11Platform& Platform() {
    return *gPlatform;
}

void Play(std::string_view utf8Text) {
    x11::X11Platform& p = Platform();
    fake::FakeWorld world; // files, dialogs and the main window: not what these tests check
    posix::SystemClock clock;
    Settings settings;
    DispatchState dispatch;
    dispatch.target = p.GetWindows().Foreground();
    Player player({p.GetInput(), p.GetWindows(), p.GetDesktop(), world.files, p.Pump(), clock,
                   world.dialogs, world.app},
                  settings, dispatch);
    player.IntoProgram(Utf8ToAnsi(std::string(utf8Text)));
    p.EndPlayback();
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        Platform().Pump().WaitFor(5ms);
    }
    return true;
}

std::string ProbePath(ProbeKind kind) {
    return kind == ProbeKind::Xlib ? KEYVANE_XLIB_PROBE_PATH : KEYVANE_PROBE_PATH;
}

ProbeClient::ProbeClient(std::string title, std::string geometry, ProbeKind kind)
    : title_(std::move(title)) {
    // Now and then (a few runs in a hundred) a probe never shows its window; a second one
    // does. The first one's report goes to the log, to find out why.
    for (int attempt = 0; attempt < 2 && window_ == 0; ++attempt) {
        if (child_) {
            std::fprintf(stderr, "e2e: starting the probe again; %s\n", Describe().c_str());
            reader_.reset();
            child_.reset();
        }
        child_ = std::make_unique<Child>(
            std::vector<std::string>{ProbePath(kind), "--title", title_, "--place", geometry},
            true);
        reader_ = std::make_unique<QSocketNotifier>(child_->OutputFd(), QSocketNotifier::Read);
        QObject::connect(reader_.get(), &QSocketNotifier::activated, [this] { child_->Lines(); });
        WaitUntil(
            [&] {
                for (const std::string& l : child_->Lines()) {
                    if (l.starts_with("ready "))
                        window_ = std::strtoull(l.c_str() + 6, nullptr, 10);
                }
                return window_ != 0 || !child_->Running();
            },
            15s); // generous: CI runs several X sessions at once on two cores
    }
    if (window_ != 0)
        Focus();
}

std::string ProbeClient::Describe() {
    std::string d = "probe \"" + title_ + "\" " + (child_->Running() ? "running" : "ended");
    for (const std::string& l : child_->Lines())
        d += "\n  " + l;
    return d;
}

bool ProbeClient::Focus() {
    Platform().GetWindows().Activate(window_);
    return WaitUntil([&] { return Platform().GetWindows().Foreground() == window_; });
}

std::vector<std::string> ProbeClient::Lines() {
    const auto& all = child_->Lines();
    return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(seen_), all.end());
}

std::vector<std::string> ProbeClient::Lines(std::string_view prefix) {
    std::vector<std::string> out;
    for (const std::string& l : Lines()) {
        if (l.starts_with(prefix))
            out.push_back(l.substr(prefix.size()));
    }
    return out;
}

std::string ProbeClient::Text() {
    QString text;
    for (const std::string& code : Lines("char "))
        text += QString::fromUcs4(
            std::vector<char32_t>{static_cast<char32_t>(std::stoul(code))}.data(), 1);
    return text.toStdString();
}

std::string ProbeClient::WaitForText(const std::string& expected,
                                     std::chrono::milliseconds timeout) {
    WaitUntil([&] { return Text().size() >= expected.size(); }, timeout);
    // Anything more still on its way shows up in the comparison.
    Platform().Pump().WaitFor(100ms);
    return Text();
}

bool ProbeClient::WaitForLine(const std::string& line, std::chrono::milliseconds timeout) {
    return WaitUntil(
        [&] {
            for (const std::string& l : Lines()) {
                if (l == line)
                    return true;
            }
            return false;
        },
        timeout);
}

void ProbeClient::Clear() {
    seen_ = child_->Lines().size();
}

} // namespace kv::e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    kv::e2e::XSession session;
    if (!session.Ok()) {
        std::fprintf(stderr, "e2e: %s\n", session.Error().c_str());
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication app(argc, argv);
    std::string error;
    auto platform = kv::x11::OpenPlatform(&error);
    if (!platform) {
        std::fprintf(stderr, "e2e: %s\n", error.c_str());
        return 1;
    }
    kv::e2e::gSession = &session;
    kv::e2e::gPlatform = platform.get();
    int result = RUN_ALL_TESTS();
    kv::e2e::gPlatform = nullptr;
    return result;
}
