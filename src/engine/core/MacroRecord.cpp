#include "engine/core/MacroRecord.h"

#include "engine/core/Bytes.h"

#include <algorithm>
#include <cstring>

namespace kv {
namespace {

enum Offset : std::size_t {
    kNickname = 0,
    kScopeName = 51,
    kTypeword = 82,
    kActivation = 93,
    kScope = 95,
    kActive = 97,
    kReserved98 = 98,
    kReserved99 = 99,
    kText = 100,
    kIcon = 5101,
    kScheduleKind = 5114,
    kScheduleKindHigh = 5115,
    kScheduleDays = 5116,
    kScheduleHour = 5123,
    kScheduleMinute = 5124,
    kScheduleMonth = 5125,
    kScheduleDay = 5126,
    kSchedulePastHour = 5127,
    kScheduleInterval = 5128,
    kScheduleDayOfWeek = 5130,
    kScheduleYear = 5131,
    kSchedulePm = 5133,
    kTopMostOnly = 5134,
    kLastModified = 5135,
    kReserved5143 = 5143,
};

constexpr std::size_t kTextField = 5001;

} // namespace

ScheduleBlock ScheduleBlock::Default(const DateTime& today) {
    ScheduleBlock s;
    s.kind = 3;
    s.days.fill(1);
    s.hour = 12;
    s.minute = 0;
    s.month = static_cast<std::uint8_t>(today.month);
    s.day = static_cast<std::uint8_t>(today.day);
    s.year = static_cast<std::uint16_t>(today.year);
    s.minutesPastHour = 15;
    s.intervalMinutes = 15;
    s.dayOfWeek = static_cast<std::uint8_t>(today.DayOfWeek() + 1);
    s.pm = 1;
    return s;
}

RecordBytes MacroRecord::Pack() const {
    RecordBytes r{};
    std::uint8_t* b = r.data();
    bytes::PutShortString(b + kNickname, kNicknameMax, nickname);
    bytes::PutShortString(b + kScopeName, kScopeNameMax, scopeName);
    bytes::PutShortString(b + kTypeword, kTypewordMax, typeword);
    bytes::PutU16(b + kActivation, activation);
    bytes::PutU16(b + kScope, scope);
    b[kActive] = active;
    b[kReserved98] = reserved98;
    b[kReserved99] = reserved99;
    const std::size_t n = std::min(text.size(), kMaxMacroText);
    std::memcpy(b + kText, text.data(), n); // the rest of the field stays zero
    bytes::PutShortString(b + kIcon, kIconMax, icon);

    b[kScheduleKind] = schedule.kind;
    b[kScheduleKindHigh] = schedule.kindHighByte;
    std::copy(schedule.days.begin(), schedule.days.end(), b + kScheduleDays);
    b[kScheduleHour] = schedule.hour;
    b[kScheduleMinute] = schedule.minute;
    b[kScheduleMonth] = schedule.month;
    b[kScheduleDay] = schedule.day;
    b[kSchedulePastHour] = schedule.minutesPastHour;
    bytes::PutU16(b + kScheduleInterval, schedule.intervalMinutes);
    b[kScheduleDayOfWeek] = schedule.dayOfWeek;
    bytes::PutU16(b + kScheduleYear, schedule.year);
    b[kSchedulePm] = schedule.pm;

    b[kTopMostOnly] = topMostOnly;
    bytes::PutF64(b + kLastModified, lastModified);
    std::copy(reserved5143.begin(), reserved5143.end(), b + kReserved5143);
    return r;
}

MacroRecord MacroRecord::Unpack(std::span<const std::uint8_t, kRecordSize> in) {
    const std::uint8_t* b = in.data();
    MacroRecord m;
    m.nickname = bytes::GetShortString(b + kNickname, kNicknameMax);
    m.scopeName = bytes::GetShortString(b + kScopeName, kScopeNameMax);
    m.typeword = bytes::GetShortString(b + kTypeword, kTypewordMax);
    m.activation = bytes::GetU16(b + kActivation);
    m.scope = bytes::GetU16(b + kScope);
    m.active = b[kActive];
    m.reserved98 = b[kReserved98];
    m.reserved99 = b[kReserved99];
    const auto* text = reinterpret_cast<const char*>(b + kText);
    if (m.scope == static_cast<unsigned>(Scope::PopupMenu)) {
        // A popup menu keeps binary data here (a count and the places of its macros), zero
        // bytes included: it is carried whole.
        m.text.assign(text, kMaxMacroText);
    } else {
        const auto* end = std::find(text, text + kTextField, '\0');
        m.text.assign(text,
                      std::min<std::size_t>(static_cast<std::size_t>(end - text), kMaxMacroText));
    }
    m.icon = bytes::GetShortString(b + kIcon, kIconMax);

    ScheduleBlock& s = m.schedule;
    s.kind = b[kScheduleKind];
    s.kindHighByte = b[kScheduleKindHigh];
    std::copy(b + kScheduleDays, b + kScheduleDays + 7, s.days.begin());
    s.hour = b[kScheduleHour];
    s.minute = b[kScheduleMinute];
    s.month = b[kScheduleMonth];
    s.day = b[kScheduleDay];
    s.minutesPastHour = b[kSchedulePastHour];
    s.intervalMinutes = bytes::GetU16(b + kScheduleInterval);
    s.dayOfWeek = b[kScheduleDayOfWeek];
    s.year = bytes::GetU16(b + kScheduleYear);
    s.pm = b[kSchedulePm];

    m.topMostOnly = b[kTopMostOnly];
    m.lastModified = bytes::GetF64(b + kLastModified);
    std::copy(b + kReserved5143, b + kReserved5143 + 22, m.reserved5143.begin());
    return m;
}

} // namespace kv
