#pragma once
// `TDoSchedule` ("Set Schedule"): what it shows for a schedule, and what `UpdateButtonClick`
// makes of its boxes: either the new schedule, or the message to show and the box to focus
// while the dialog stays open. The window only copies values between its controls and
// these fields.

#include "engine/core/DateTime.h"
#include "engine/core/MacroRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace kv {

// The boxes a refusal can put the focus on.
enum class ScheduleField { OnceYear, OnceMonth, OnceDay, HourlyMinutes, MonthlyDay, OtherMinutes };

struct ScheduleRefusal {
    std::string text;
    std::string caption;
    ScheduleField focus;
    bool operator==(const ScheduleRefusal&) const = default;
};

using ScheduleOutcome = std::variant<ScheduleBlock, ScheduleRefusal>;

// Each kind has its own panel; a time box holds a time such as "9:05AM" or "14:10".
struct TDoScheduleFields {
    std::uint8_t kind = 3;      // the chosen radio button: 0 `&At Startup`, 1 `&Once` .. 6 `O&ther`
    std::array<bool, 7> days{}; // Monday .. Sunday, stored whatever the kind
    std::string onceYear;
    int onceMonth = 1; // the month list's choice, 1..12
    std::string onceDay;
    std::string onceTime;
    std::string hourlyMinutes;
    std::string dailyTime;
    std::string weeklyTime;
    int weeklyDay = 1; // 1 Sunday .. 7 Saturday
    std::string monthlyDay;
    std::string monthlyTime;
    std::string otherMinutes;

    // What the dialog shows for a stored schedule: every panel holds the stored values.
    static TDoScheduleFields From(const ScheduleBlock& s);
};

// The spin buttons step by 1 between these bounds.
struct SpinBounds {
    int min;
    int max;
};
inline constexpr SpinBounds kOnceDaySpin{1, 31};
inline constexpr SpinBounds kOnceYearSpin{1, 9999};
inline constexpr SpinBounds kMonthlyDaySpin{1, 31};
inline constexpr SpinBounds kHourlyMinutesSpin{0, 59};
inline constexpr SpinBounds kOtherMinutesSpin{1, 720};

// A time box as stored: the hour on a 12-hour clock (0..12), the minute, PM. Malformed
// parts read as 0; no message is ever given.
struct TimeBoxValue {
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t pm = 0;
    bool operator==(const TimeBoxValue&) const = default;
};
TimeBoxValue ReadTimeBox(std::string_view text);

// The schedule the boxes describe, built on `current` (fields of other kinds keep their
// values), or why not. `today` is the local date: a Once date before it is refused.
ScheduleOutcome UpdateButtonClick(const TDoScheduleFields& f, const ScheduleBlock& current,
                                  const DateTime& today);

// Days in the month; February has 29 in Gregorian leap years.
int DaysInMonth(int year, int month);

} // namespace kv
