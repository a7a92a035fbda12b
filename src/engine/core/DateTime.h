#pragma once
// A local calendar date and time, as the clock port gives it and as records store it.

#include <compare>

namespace kv {

struct DateTime {
    int year = 1899;
    int month = 12; // 1..12
    int day = 30;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    // 0 = Sunday .. 6 = Saturday.
    int DayOfWeek() const;
    bool IsValid() const;
    auto operator<=>(const DateTime&) const = default;
};

// The record's "Last modified" double: days since 30 December 1899, the time of day as
// the fraction. Days before that epoch count backwards with a positive fraction, as the
// format has always done (-1.25 is 29 December 1899, 06:00).
double ToDayCount(const DateTime& t);

// The inverse. A value that is not finite or lies outside years 100..9999 gives the epoch
// itself, so a damaged record never yields a nonsensical date.
DateTime FromDayCount(double days);

// The same moment moved by whole days (negative for the past).
DateTime AddDays(const DateTime& t, int days);

} // namespace kv
