#include "bench/support/BenchProbe.h"

#include <QString>

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

} // namespace kv::bench
