#include "platform/fake/Trace.h"

namespace kv::fake {

void Trace::Flush() {
    if (!lastWasWait_)
        return;
    lastWasWait_ = false;
    std::string line = "wait " + std::to_string(pendingWait_);
    pendingWait_ = 0;
    if (onLine)
        onLine(line);
    lines_.push_back(std::move(line));
}

void Trace::Add(std::string line) {
    Flush();
    if (onLine)
        onLine(line);
    lines_.push_back(std::move(line));
}

void Trace::AddWait(long long ms) {
    if (ms <= 0)
        return;
    lastWasWait_ = true;
    pendingWait_ += ms;
}

} // namespace kv::fake
