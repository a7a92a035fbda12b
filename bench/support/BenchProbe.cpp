#include "bench/support/BenchProbe.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace kv::bench {

BenchProbe::BenchProbe(const std::string& path, const std::string& title, const std::string& place)
    : child_({path, "--title", title, "--place", place}, true),
      reader_(child_.OutputFd(), QSocketNotifier::Read) {
    // Read its reports whenever they come: the arrival stamps stay true, and a probe
    // blocked on a full pipe would stop handling its events.
    QObject::connect(&reader_, &QSocketNotifier::activated, [this] { Read(); });
}

void BenchProbe::Read() {
    const auto now = Clock::now();
    const auto& lines = child_.Lines();
    for (; seen_ < lines.size(); ++seen_) {
        if (lines[seen_].starts_with("char ")) {
            char32_t c = static_cast<char32_t>(std::stoul(lines[seen_].substr(5)));
            text_ += QString::fromUcs4(&c, 1).toStdString();
            arrivals_.push_back(now);
        } else if (lines[seen_].starts_with("ready ")) {
            window_ = std::stoull(lines[seen_].substr(6));
        }
    }
}

std::string BenchProbe::Text() {
    Read();
    return text_;
}

std::size_t BenchProbe::Count() {
    Read();
    return arrivals_.size();
}

Clock::time_point BenchProbe::Arrival(std::size_t i) {
    Read();
    return i < arrivals_.size() ? arrivals_[i] : Clock::time_point{};
}

WindowId BenchProbe::Window() {
    Read();
    return window_;
}

bool WaitUntil(EventPump& pump, const std::function<bool()>& done,
               std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!done()) {
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return false;
        // Blocks in the event loop; a report from the probe ends the wait at once.
        pump.WaitFor(std::min(std::chrono::duration_cast<std::chrono::milliseconds>(left),
                              std::chrono::milliseconds(2)));
    }
    return true;
}

BenchDisplay::BenchDisplay(int& argc, char** argv) {
    if (!session_.Ok()) {
        std::fprintf(stderr, "%s\n", session_.Error().c_str());
        return;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    app_ = std::make_unique<QGuiApplication>(argc, argv);
    std::string error;
    platform_ = x11::OpenPlatform(&error);
    if (!platform_)
        std::fprintf(stderr, "%s\n", error.c_str());
}

// The back end goes before the application and the X server it runs on.
BenchDisplay::~BenchDisplay() {
    platform_.reset();
    app_.reset();
}

} // namespace kv::bench
