#pragma once
// When a schedule comes round. Every kind with a calendar (Once, Hourly, Daily, Weekly,
// Monthly) is answered by its latest occurrence at or before a moment; a check runs the
// macro when that occurrence falls after the previous check. Asking for the latest
// occurrence rather than comparing clock fields keeps a tick that crosses midnight from
// counting yesterday's time on today's date.

#include "engine/core/DateTime.h"
#include "engine/core/MacroRecord.h"

#include <cstdint>
#include <optional>

namespace kv {

// Local wall-clock time in milliseconds on one straight scale (no time zone): the
// difference of two moments is the time between them as the clock showed it.
using Moment = std::int64_t;

inline constexpr Moment kMsPerMinute = 60'000;
inline constexpr Moment kMsPerHour = 3'600'000;
inline constexpr Moment kMsPerDay = 86'400'000;

// The moment of a valid date and time; nothing for a date that does not exist.
std::optional<Moment> ToMoment(const DateTime& t);

// The schedule's time of day in milliseconds after midnight: 12 PM is noon, 12 AM and
// 0 AM are midnight. Nothing when the stored hour or minute is out of range.
std::optional<Moment> TimeOfDay(const ScheduleBlock& s);

// The latest moment at or before `now` at which the schedule comes round, for the kinds
// 1 Once to 5 Monthly; nothing when it has never come round (a Once in the future, a
// Daily with no day ticked, a damaged field). A Monthly schedule on a day that a month
// lacks (the 31st in April) skips that month.
std::optional<Moment> LatestOccurrence(const ScheduleBlock& s, const DateTime& now);

} // namespace kv
