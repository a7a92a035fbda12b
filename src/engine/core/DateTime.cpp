#include "engine/core/DateTime.h"

#include <chrono>
#include <cmath>

namespace kv {
namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};

year_month_day Ymd(const DateTime& t) {
    return year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)};
}

} // namespace

int DateTime::DayOfWeek() const {
    return static_cast<int>(weekday{sys_days{Ymd(*this)}}.c_encoding());
}

bool DateTime::IsValid() const {
    return Ymd(*this).ok() && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 &&
           second < 60 && millisecond >= 0 && millisecond < 1000;
}

double ToDayCount(const DateTime& t) {
    const auto days = (sys_days{Ymd(t)} - kEpoch).count();
    const double fraction =
        ((t.hour * 60.0 + t.minute) * 60.0 + t.second + t.millisecond / 1000.0) / 86400.0;
    // Before the epoch the whole part counts back while the fraction still counts forward.
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

DateTime FromDayCount(double value) {
    // Years 100..9999 lie within these day counts.
    if (!std::isfinite(value) || value < -657434.0 || value >= 2958466.0)
        return DateTime{};
    const double whole = std::trunc(value);
    const double fraction = std::fabs(value - whole);
    auto ms = static_cast<long long>(std::llround(fraction * 86400000.0));
    long long dayCount = static_cast<long long>(whole);
    if (ms >= 86400000) { // rounding reached the next day
        ms -= 86400000;
        dayCount += value >= 0 ? 1 : -1;
    }
    const year_month_day ymd{kEpoch + days{dayCount}};
    DateTime t;
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.millisecond = static_cast<int>(ms % 1000);
    return t;
}

DateTime AddDays(const DateTime& t, int count) {
    const year_month_day ymd{sys_days{Ymd(t)} + days{count}};
    DateTime r = t;
    r.year = static_cast<int>(ymd.year());
    r.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    r.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    return r;
}

} // namespace kv
