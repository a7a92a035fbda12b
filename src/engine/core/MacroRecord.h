#pragma once
// One macro as stored in the macro file: exactly 5165 bytes, every field at its offset,
// little-endian. Packing and unpacking go field by field; bytes that Keyvane does not
// interpret are carried through unchanged.

#include "engine/core/DateTime.h"
#include "engine/core/Limits.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kv {

inline constexpr std::size_t kRecordSize = 5165;
using RecordBytes = std::array<std::uint8_t, kRecordSize>;

// When a Timed Macro runs. The kind is the low byte of the record's kind word; the high
// byte is carried through as it was found.
struct ScheduleBlock {
    std::uint8_t kind = 0; // 0 At Startup, 1 Once, 2 Hourly, 3 Daily, 4 Weekly, 5 Monthly, 6 Other
    std::uint8_t kindHighByte = 0;
    std::array<std::uint8_t, 7> days{}; // Daily: Monday .. Sunday
    std::uint8_t hour = 0;              // 12-hour clock, 0..12
    std::uint8_t minute = 0;
    std::uint8_t month = 0;            // Once
    std::uint8_t day = 0;              // Once and Monthly
    std::uint8_t minutesPastHour = 0;  // Hourly
    std::uint16_t intervalMinutes = 0; // Other
    std::uint8_t dayOfWeek = 0;        // Weekly: 1 Sunday .. 7 Saturday
    std::uint16_t year = 0;            // Once
    std::uint8_t pm = 0;               // 1 PM, 0 AM

    // What a new schedule starts as: daily at 12:00 PM on every day, dated today.
    static ScheduleBlock Default(const DateTime& today);
    bool operator==(const ScheduleBlock&) const = default;
};

struct MacroRecord {
    std::string nickname;  // at most 50
    std::string scopeName; // at most 30
    std::string typeword;  // at most 10
    std::uint16_t activation = 0;
    std::uint16_t scope = 1;
    std::uint8_t active = 1;
    std::uint8_t reserved98 = 0;
    std::uint8_t reserved99 = 0;
    std::string text; // macro text, at most 5000; a popup menu's whole binary area
    std::string icon; // at most 12
    ScheduleBlock schedule;
    std::uint8_t topMostOnly = 0;
    double lastModified = 0.0; // days since 30 December 1899
    std::array<std::uint8_t, 22> reserved5143{};

    // Strings longer than their field are cut when packed.
    RecordBytes Pack() const;
    // Never fails: length bytes beyond their field are clamped and a macro text without
    // its terminating zero ends at 5000 characters.
    static MacroRecord Unpack(std::span<const std::uint8_t, kRecordSize> bytes);

    bool operator==(const MacroRecord&) const = default;
};

} // namespace kv
