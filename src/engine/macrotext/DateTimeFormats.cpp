#include "engine/macrotext/DateTimeFormats.h"

namespace kv {
namespace {

// Keyvane's own names, so a date reads the same on every system.
constexpr std::array<std::string_view, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The last four date formats are the day-of-week ones: short, SHORT, long, LONG.
constexpr std::size_t kFirstDayOfWeek = kDateFormatNames.size() - 4;

std::string Upper(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return r;
}

void AppendNumber(std::string& out, int value, int digits) {
    std::string n = std::to_string(value);
    if (n.size() < static_cast<std::size_t>(digits))
        out.append(static_cast<std::size_t>(digits) - n.size(), '0');
    out += n;
}

bool TakeToken(std::string_view name, std::size_t& i, std::string_view token) {
    if (!name.substr(i).starts_with(token))
        return false;
    i += token.size();
    return true;
}

} // namespace

std::string FormatDate(std::size_t format, bool keepZeros, const DateTime& date) {
    if (format >= kDateFormatNames.size() || !date.IsValid())
        return {};
    const std::string_view month = kMonthNames[static_cast<std::size_t>(date.month - 1)];
    if (format >= kFirstDayOfWeek) {
        const std::size_t style = format - kFirstDayOfWeek;
        std::string_view day = kDayNames[static_cast<std::size_t>(date.DayOfWeek())];
        if (style < 2)
            day = day.substr(0, 3);
        return style % 2 == 1 ? Upper(day) : std::string(day);
    }
    // The format name spells its own layout; anything that is not a field is copied.
    const std::string_view name = kDateFormatNames[format];
    const int pad = keepZeros ? 2 : 1;
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        if (TakeToken(name, i, "YYYY"))
            AppendNumber(out, date.year, 4);
        else if (TakeToken(name, i, "YY"))
            AppendNumber(out, date.year % 100, 2);
        else if (TakeToken(name, i, "Mmmmm"))
            out += month;
        else if (TakeToken(name, i, "Mmm"))
            out += month.substr(0, 3);
        else if (TakeToken(name, i, "MMM"))
            out += Upper(month.substr(0, 3));
        else if (TakeToken(name, i, "MM"))
            AppendNumber(out, date.month, pad);
        else if (TakeToken(name, i, "DD"))
            AppendNumber(out, date.day, pad);
        else
            out += name[i++];
    }
    return out;
}

std::string FormatTime(std::size_t format, bool keepZeros, const DateTime& time) {
    if (format >= kTimeFormatNames.size())
        return {};
    const std::string_view name = kTimeFormatNames[format];
    const bool twelveHour = name.ends_with("am") || name.ends_with("AM") || name.ends_with('a');
    int hour = time.hour;
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    const bool morning = time.hour < 12;
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        if (TakeToken(name, i, "hh"))
            AppendNumber(out, hour, keepZeros ? 2 : 1);
        else if (TakeToken(name, i, "mm"))
            AppendNumber(out, time.minute, 2);
        else if (TakeToken(name, i, "ss"))
            AppendNumber(out, time.second, 2);
        else if (TakeToken(name, i, "am"))
            out += morning ? "am" : "pm";
        else if (TakeToken(name, i, "AM"))
            out += morning ? "AM" : "PM";
        else if (TakeToken(name, i, "a"))
            out += morning ? 'a' : 'p';
        else
            out += name[i++];
    }
    return out;
}

std::string DateTagText(const DateTimeTag& tag, const DateTime& now) {
    return FormatDate(tag.format, tag.KeepZeros(), AddDays(now, tag.days));
}

std::string TimeTagText(const DateTimeTag& tag, const DateTime& now) {
    return FormatTime(tag.format, tag.KeepZeros(), now);
}

} // namespace kv
