#pragma once
// A screen saver that only remembers what it was told.

#include "engine/ports/ScreenSaver.h"

#include <vector>

namespace kv::fake {

class FakeScreenSaver : public ScreenSaver {
public:
    void Suppress(bool on) override;

    bool Suppressed() const { return suppressed_; }
    // Every call, in order.
    const std::vector<bool>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

private:
    bool suppressed_ = false;
    std::vector<bool> calls_;
};

} // namespace kv::fake
