#include "engine/activation/ScheduleText.h"

#include <array>
#include <string_view>

namespace kv {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr std::array<std::string_view, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

// A name by its 1-based number; a damaged record gets no name rather than a crash.
template <std::size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, int number) {
    return number >= 1 && number <= static_cast<int>(N) ? names[number - 1] : std::string_view{};
}

std::string Number(int n) {
    return std::to_string(n);
}

} // namespace

std::string ScheduleTimeText(const ScheduleBlock& s) {
    std::string t = Number(s.hour) + ":";
    if (s.minute < 10)
        t += '0';
    t += Number(s.minute);
    t += s.pm ? "PM" : "AM";
    return t;
}

std::string GetSched(const ScheduleBlock& s) {
    switch (s.kind) {
    case 0:
        return "At Startup";
    case 1:
        return "Once at " + ScheduleTimeText(s) + " on " + Number(s.day) + " " +
               std::string(NameOf(kMonthNames, s.month)) + " " + Number(s.year);
    case 2:
        return "Hourly at " + Number(s.minutesPastHour) + " minutes past the hour";
    case 3: {
        std::string t = "Daily at " + ScheduleTimeText(s);
        // The flags run Monday .. Sunday; the text lists Sunday first.
        for (int d = 0; d < 7; ++d) {
            if (s.days[static_cast<std::size_t>((d + 6) % 7)])
                t += "," + std::string(kDayNames[static_cast<std::size_t>(d)].substr(0, 3));
        }
        return t;
    }
    case 4:
        return "Weekly at " + ScheduleTimeText(s) + " on " +
               std::string(NameOf(kDayNames, s.dayOfWeek));
    case 5:
        return "Monthly at " + ScheduleTimeText(s) + " on day " + Number(s.day) + " of each month";
    case 6:
        return "every " + Number(s.intervalMinutes) + " minutes";
    default:
        return {};
    }
}

void DefaultTimer(MacroRecord& rec, const DateTime& today) {
    rec.schedule = ScheduleBlock::Default(today);
}

} // namespace kv
