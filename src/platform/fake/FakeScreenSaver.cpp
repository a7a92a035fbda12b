#include "platform/fake/FakeScreenSaver.h"

namespace kv::fake {

void FakeScreenSaver::Suppress(bool on) {
    suppressed_ = on;
    calls_.push_back(on);
}

} // namespace kv::fake
