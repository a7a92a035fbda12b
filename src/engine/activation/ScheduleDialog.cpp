#include "engine/activation/ScheduleDialog.h"

#include "engine/activation/ScheduleText.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace kv {
namespace {

constexpr const char* kInvalidDay = "Invalid day of month specified.";
constexpr const char* kInvalidMinutes = "Invalid minutes specified.";
constexpr const char* kInvalidInterval = "Invalid minutes specified.  Must be between 1 and 720.";
constexpr const char* kInvalidYear = "Invalid year specified.";
constexpr const char* kElapsed = "Specified date has already elapsed.";

std::string_view Trim(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

// A box's number: the whole text, blanks around it allowed, an optional sign.
std::optional<long long> BoxNumber(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> InRange(std::string_view text, int low, int high) {
    const auto n = BoxNumber(text);
    if (!n || *n < low || *n > high)
        return std::nullopt;
    return static_cast<int>(*n);
}

ScheduleRefusal Refuse(const char* text, ScheduleField focus) {
    return {text, "Error", focus};
}

void PutTime(ScheduleBlock& s, std::string_view box) {
    const TimeBoxValue t = ReadTimeBox(box);
    s.hour = t.hour;
    s.minute = t.minute;
    s.pm = t.pm;
}

std::uint8_t Byte(int v) {
    return static_cast<std::uint8_t>(v);
}

} // namespace

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month == 2 && leap ? 29 : kDays[month - 1];
}

TDoScheduleFields TDoScheduleFields::From(const ScheduleBlock& s) {
    TDoScheduleFields f;
    f.kind = s.kind <= 6 ? s.kind : 3;
    for (std::size_t i = 0; i < 7; ++i)
        f.days[i] = s.days[i] != 0;
    const std::string time = ScheduleTimeText(s);
    f.onceYear = std::to_string(s.year);
    f.onceMonth = std::clamp<int>(s.month, 1, 12);
    f.onceDay = std::to_string(s.day);
    f.onceTime = time;
    f.hourlyMinutes = std::to_string(s.minutesPastHour);
    f.dailyTime = time;
    f.weeklyTime = time;
    f.weeklyDay = std::clamp<int>(s.dayOfWeek, 1, 7);
    f.monthlyDay = std::to_string(s.day);
    f.monthlyTime = time;
    f.otherMinutes = std::to_string(s.intervalMinutes);
    return f;
}

TimeBoxValue ReadTimeBox(std::string_view text) {
    // Without a colon the second character stands where it would be.
    std::size_t p = text.find(':');
    if (p == std::string_view::npos)
        p = 1;
    const long long hourRead = BoxNumber(text.substr(0, p)).value_or(0);

    // The minute's digits, then the AM or PM that may follow after blanks: "9:05 pm" is
    // as good as "9:05PM".
    std::size_t i = std::min(p + 1, text.size());
    int minute = 0;
    for (int digits = 0; digits < 2 && i < text.size() && text[i] >= '0' && text[i] <= '9';
         ++digits, ++i)
        minute = minute * 10 + (text[i] - '0');
    while (i < text.size() && text[i] == ' ')
        ++i;
    std::string suffix(text.substr(i, 2));
    for (char& c : suffix) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }

    TimeBoxValue t;
    int hour = hourRead < 0 || hourRead > 23 ? 0 : static_cast<int>(hourRead);
    bool pm = suffix == "PM";
    if (hour > 12) {
        hour -= 12;
        pm = true;
    } else if (hour == 12 && suffix != "AM") {
        // Read on the 24-hour clock like every other hour, "12:30" is half past noon.
        pm = true;
    }
    t.hour = Byte(hour);
    t.minute = Byte(minute > 59 ? 0 : minute);
    t.pm = pm ? 1 : 0;
    return t;
}

ScheduleOutcome UpdateButtonClick(const TDoScheduleFields& f, const ScheduleBlock& current,
                                  const DateTime& today) {
    ScheduleBlock s = current;
    s.kind = f.kind;
    for (std::size_t i = 0; i < 7; ++i)
        s.days[i] = f.days[i] ? 1 : 0;

    switch (f.kind) {
    case 1: { // Once
        const auto year = InRange(f.onceYear, kOnceYearSpin.min, kOnceYearSpin.max);
        if (!year)
            return Refuse(kInvalidYear, ScheduleField::OnceYear);
        const int month = std::clamp(f.onceMonth, 1, 12); // the list always has a choice
        const auto day = InRange(f.onceDay, 1, DaysInMonth(*year, month));
        if (!day)
            return Refuse(kInvalidDay, ScheduleField::OnceDay);
        if (*year < today.year)
            return Refuse(kElapsed, ScheduleField::OnceYear);
        if (*year == today.year && month < today.month)
            return Refuse(kElapsed, ScheduleField::OnceMonth);
        if (*year == today.year && month == today.month && *day < today.day)
            return Refuse(kElapsed, ScheduleField::OnceDay);
        s.year = static_cast<std::uint16_t>(*year);
        s.month = Byte(month);
        s.day = Byte(*day);
        PutTime(s, f.onceTime);
        break;
    }
    case 2: { // Hourly
        const auto minutes = InRange(f.hourlyMinutes, 0, 59);
        if (!minutes)
            return Refuse(kInvalidMinutes, ScheduleField::HourlyMinutes);
        s.minutesPastHour = Byte(*minutes);
        break;
    }
    case 3: // Daily
        PutTime(s, f.dailyTime);
        break;
    case 4: // Weekly
        PutTime(s, f.weeklyTime);
        s.dayOfWeek = Byte(std::clamp(f.weeklyDay, 1, 7));
        break;
    case 5: { // Monthly
        const auto day = InRange(f.monthlyDay, 1, 31);
        if (!day)
            return Refuse(kInvalidDay, ScheduleField::MonthlyDay);
        s.day = Byte(*day);
        PutTime(s, f.monthlyTime);
        break;
    }
    case 6: { // Other
        const auto minutes = InRange(f.otherMinutes, 1, 720);
        if (!minutes)
            return Refuse(kInvalidInterval, ScheduleField::OtherMinutes);
        s.intervalMinutes = static_cast<std::uint16_t>(*minutes);
        break;
    }
    default: // At Startup has nothing more
        break;
    }
    return s;
}

} // namespace kv
