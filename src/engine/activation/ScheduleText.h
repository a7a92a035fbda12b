#pragma once
// A schedule as people read it: the one-line text of the lists and reports, the time text
// the schedule dialog shows, and the schedule a new Timed Macro starts with.

#include "engine/core/DateTime.h"
#include "engine/core/MacroRecord.h"

#include <string>

namespace kv {

// The schedule's time on its 12-hour clock: "9:05AM", "12:30PM". The stored hour is
// written as it is, so a midnight stored as hour 0 reads "0:30AM".
std::string ScheduleTimeText(const ScheduleBlock& s);

// "Daily at 9:00AM,Mon,Fri", "every 15 minutes" ...; an unknown kind gives "".
std::string GetSched(const ScheduleBlock& s);

// Gives the record the schedule of a new Timed Macro: daily at 12:00 PM on every day,
// dated today.
void DefaultTimer(MacroRecord& rec, const DateTime& today);

} // namespace kv
