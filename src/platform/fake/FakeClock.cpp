#include "platform/fake/FakeClock.h"

namespace kv::fake {

void FakeClock::Advance(std::chrono::milliseconds ms) {
    ticks_ += ms;
    // Work in whole milliseconds from midnight so no rounding creeps in.
    long long msOfDay = ((now_.hour * 60LL + now_.minute) * 60 + now_.second) * 1000 +
                        now_.millisecond + ms.count();
    long long dayShift = msOfDay >= 0 ? msOfDay / 86400000 : -((-msOfDay + 86399999) / 86400000);
    msOfDay -= dayShift * 86400000;
    DateTime t = AddDays(now_, static_cast<int>(dayShift));
    t.hour = static_cast<int>(msOfDay / 3600000);
    t.minute = static_cast<int>(msOfDay / 60000 % 60);
    t.second = static_cast<int>(msOfDay / 1000 % 60);
    t.millisecond = static_cast<int>(msOfDay % 1000);
    now_ = t;
}

} // namespace kv::fake
