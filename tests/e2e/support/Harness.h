#pragma once
// What every end-to-end case shares: the X session, Keyvane's X11 back end on it, the
// probe client, and Play(), which plays macro text through Keyvane's real player.
// Play() is the one place that would switch to running `kvn play TEXT`.

#include "e2e/support/Session.h"
#include "platform/x11/X11Platform.h"

#include <gtest/gtest.h>

#include <QSocketNotifier>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kv::e2e {

using namespace std::chrono_literals;

XSession& Session();
x11::X11Platform& Platform();

// Plays macro text (UTF-8, as kvn takes it) into the window in front.
void Play(std::string_view utf8Text);

// Processes events until `done` or the timeout; true when done.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 5s);

// The probe as a Qt client (which answers _NET_WM_PING) or as a plain Xlib one (which
// does not, like xterm).
enum class ProbeKind { Qt, Xlib };

// Runs a program of the e2e build (the probe) by its path.
std::string ProbePath(ProbeKind kind = ProbeKind::Qt);

class ProbeClient {
public:
    // Starts a probe window with this title and geometry ("X,Y,W,H") and waits until it
    // is shown; then it has the focus.
    explicit ProbeClient(std::string title, std::string geometry = "100,100,400,300",
                         ProbeKind kind = ProbeKind::Qt);

    bool Ready() const { return window_ != 0; }
    // What it has said so far and whether it still runs, for a failure message.
    std::string Describe();
    WindowId Window() const { return window_; }
    Child& Process() { return *child_; }
    const std::string& Title() const { return title_; }

    std::vector<std::string> Lines();
    // Lines starting with `prefix`, the prefix cut off.
    std::vector<std::string> Lines(std::string_view prefix);
    // The characters typed so far, as UTF-8 (Enter as "\r").
    std::string Text();
    // Waits until the text equals `expected` and stays so a moment; returns the text.
    std::string WaitForText(const std::string& expected, std::chrono::milliseconds timeout = 10s);
    bool WaitForLine(const std::string& line, std::chrono::milliseconds timeout = 5s);
    // Forgets what was reported so far.
    void Clear();
    // Makes it the foreground window and waits for its focus.
    bool Focus();

private:
    std::string title_;
    std::unique_ptr<Child> child_;
    // Reads the probe's reports whenever they come: a probe blocked on a full pipe would
    // stop handling its events.
    std::unique_ptr<QSocketNotifier> reader_;
    std::size_t seen_ = 0;
    WindowId window_ = 0;
};

} // namespace kv::e2e
