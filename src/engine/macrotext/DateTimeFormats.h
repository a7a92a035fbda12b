#pragma once
// Date and time tags: "<" format "{" flag [sign ddd] "}>" and "<" format "{Y}>" / "{N}>".
// The format names below are both what the tags spell and, in this order, the order in
// which they are recognised.

#include "engine/core/DateTime.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kv {

inline constexpr std::array<std::string_view, 51> kDateFormatNames = {
    "MM/DD/YY",
    "MM-DD-YY",
    "MM.DD.YY",
    "MM/DD/YYYY",
    "MM-DD-YYYY",
    "MM.DD.YYYY",
    "DD/MM/YY",
    "DD-MM-YY",
    "DD.MM.YY",
    "DD/MM/YYYY",
    "DD-MM-YYYY",
    "DD.MM.YYYY",
    "YY/MM/DD",
    "YY-MM-DD",
    "YY.MM.DD",
    "YYYY/MM/DD",
    "YYYY-MM-DD",
    "YYYY.MM.DD",
    "MMM YYYY",
    "Mmm YYYY",
    "DD MMM YY",
    "DD Mmm YY",
    "DD MMM YYYY",
    "DD Mmm YYYY",
    "DD Mmmmm YY",
    "DD Mmmmm YYYY",
    "Mmm DD YY",
    "Mmm DD, YY",
    "Mmm DD YYYY",
    "Mmm DD, YYYY",
    "Mmmmm DD YY",
    "Mmmmm DD, YY",
    "Mmmmm DD YYYY",
    "Mmmmm DD, YYYY",
    "MMDDYY",
    "MMDDYYYY",
    "DDMMYY",
    "DDMMYYYY",
    "YYMMDD",
    "YYYYMMDD",
    "DD",
    "MM",
    "Mmm",
    "MMM",
    "Mmmmm",
    "YY",
    "YYYY",
    "Day of Week 1",
    "Day of Week 2",
    "Day of Week 3",
    "Day of Week 4",
};

inline constexpr std::array<std::string_view, 26> kTimeFormatNames = {
    "hh:mm",       "hh.mm",       "hh,mm",       "hhmm",     "hh:mm:ss", "hh.mm.ss", "hh,mm,ss",
    "hhmmss",      "hh",          "mm",          "ss",       "hh:mm am", "hh.mm am", "hh,mm am",
    "hh:mm:ss am", "hh.mm.ss am", "hh,mm,ss am", "hh:mm AM", "hh.mm AM", "hh,mm AM", "hh:mm:ss AM",
    "hh.mm.ss AM", "hh,mm,ss AM", "hh:mma",      "hh.mma",   "hh,mma",
};

// The punctuation around a date or time tag's flag.
inline constexpr char kStampOpen = '{';
inline constexpr std::string_view kStampClose = "}>";
inline constexpr char kFlagKeepZeros = 'Y';
inline constexpr char kFlagDropZeros = 'N';
inline constexpr char kSignFuture = 'F';
inline constexpr char kSignPast = 'P';
// A long date tag is this much longer than its format name: "<", "{", flag, sign, ddd, "}>".
inline constexpr std::size_t kLongDateExtra = 9;
inline constexpr std::size_t kShortStampExtra = 5; // "<", "{", flag, "}>"

// A date or time tag as read from macro text.
struct DateTimeTag {
    std::size_t format = 0; // index into kDateFormatNames or kTimeFormatNames
    char flag = kFlagKeepZeros;
    bool longForm = false; // dates only: the form with sign and days
    char sign = 0;         // long form: the character where "F" or "P" belongs
    int days = 0;          // the shift: ddd for "F", -ddd for "P", else 0

    // Anything but "Y" drops the zeros, as "N" does.
    bool KeepZeros() const { return flag == kFlagKeepZeros; }
};

// The text a date format gives for a date. English names whatever the locale.
std::string FormatDate(std::size_t format, bool keepZeros, const DateTime& date);
// The text a time format gives for a time of day.
std::string FormatTime(std::size_t format, bool keepZeros, const DateTime& time);

// What a date tag types when played at `now`, the date moved by the tag's days.
std::string DateTagText(const DateTimeTag& tag, const DateTime& now);
// What a time tag types when played at `now`.
std::string TimeTagText(const DateTimeTag& tag, const DateTime& now);

} // namespace kv
