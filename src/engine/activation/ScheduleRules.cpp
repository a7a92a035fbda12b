#include "engine/activation/ScheduleRules.h"

#include <chrono>

namespace kv {
namespace {

using namespace std::chrono;

std::optional<Moment> DayStart(int y, int m, int d) {
    const year_month_day ymd{year{y} / month{static_cast<unsigned>(m)} /
                             day{static_cast<unsigned>(d)}};
    if (m < 1 || m > 12 || d < 1 || d > 31 || !ymd.ok())
        return std::nullopt;
    return static_cast<Moment>(sys_days{ymd}.time_since_epoch().count()) * kMsPerDay;
}

// The latest of the last eight days (today and the seven before it) whose weekday
// `wanted` accepts and whose time of day is already past.
template <class Wanted>
std::optional<Moment> LatestOnWeekdays(const DateTime& now, Moment nowMs, Moment tod,
                                       Wanted wanted) {
    for (int back = 0; back <= 7; ++back) {
        const DateTime d = AddDays(now, -back);
        if (!wanted(d.DayOfWeek()))
            continue;
        const auto start = DayStart(d.year, d.month, d.day);
        if (start && *start + tod <= nowMs)
            return *start + tod;
    }
    return std::nullopt;
}

} // namespace

std::optional<Moment> ToMoment(const DateTime& t) {
    const auto start = DayStart(t.year, t.month, t.day);
    if (!start)
        return std::nullopt;
    return *start + t.hour * kMsPerHour + t.minute * kMsPerMinute + t.second * Moment{1000} +
           t.millisecond;
}

std::optional<Moment> TimeOfDay(const ScheduleBlock& s) {
    if (s.hour > 12 || s.minute > 59)
        return std::nullopt;
    int hour = s.hour;
    if (s.pm && hour != 12)
        hour += 12;
    else if (!s.pm && hour == 12)
        hour = 0;
    return hour * kMsPerHour + s.minute * kMsPerMinute;
}

std::optional<Moment> LatestOccurrence(const ScheduleBlock& s, const DateTime& now) {
    const auto nowMs = ToMoment(now);
    if (!nowMs)
        return std::nullopt;

    if (s.kind == 2) { // Hourly: the hour of the day does not matter
        if (s.minutesPastHour > 59)
            return std::nullopt;
        const Moment hourStart = *nowMs - (*nowMs % kMsPerHour + kMsPerHour) % kMsPerHour;
        const Moment at = hourStart + s.minutesPastHour * kMsPerMinute;
        return at <= *nowMs ? at : at - kMsPerHour;
    }

    const auto tod = TimeOfDay(s);
    if (!tod)
        return std::nullopt;
    switch (s.kind) {
    case 1: { // Once
        const auto start = DayStart(s.year, s.month, s.day);
        if (!start || *start + *tod > *nowMs)
            return std::nullopt;
        return *start + *tod;
    }
    case 3: // Daily; the flags run Monday .. Sunday
        return LatestOnWeekdays(now, *nowMs, *tod, [&](int dow) {
            return s.days[static_cast<std::size_t>((dow + 6) % 7)] != 0;
        });
    case 4: // Weekly: 1 Sunday .. 7 Saturday
        return LatestOnWeekdays(now, *nowMs, *tod, [&](int dow) { return dow + 1 == s.dayOfWeek; });
    case 5: { // Monthly: no month lacks the day for more than two months in a row
        int y = now.year;
        int m = now.month;
        for (int back = 0; back <= 3; ++back) {
            const auto start = DayStart(y, m, s.day);
            if (start && *start + *tod <= *nowMs)
                return *start + *tod;
            if (--m == 0) {
                m = 12;
                --y;
            }
        }
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace kv
