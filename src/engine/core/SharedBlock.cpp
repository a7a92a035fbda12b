#include "engine/core/SharedBlock.h"

#include <algorithm>

namespace kv {

std::size_t SharedBlock::Index(int place) {
    // A place outside 1..500 is a caller's bug; clamp so it can never write outside the block.
    return static_cast<std::size_t>(std::clamp(place, 1, kMaxMacros) - 1);
}

bool SharedBlock::HotKeyFlag(int code) const {
    if (code < 0 || code >= kHotKeyFlagCount)
        return false;
    return b_[kHotKeyFlags + static_cast<std::size_t>(code)] != 0;
}

void SharedBlock::SetHotKeys() {
    std::fill_n(b_ + kHotKeyFlags, kHotKeyFlagCount, std::uint8_t{0});
    const int count = MacroCount();
    for (int place = 1; place <= count; ++place) {
        const int a = Activation(place);
        if (a < kHotKeyFlagCount && Active(place))
            b_[kHotKeyFlags + static_cast<std::size_t>(a)] = 1;
    }
}

void SharedBlock::SetSecWind(std::uint32_t window, bool on) {
    bytes::PutU32(b_ + kHotKeyEntryWindow, window);
    b_[kHotKeyEntryFlag] = on ? 1 : 0;
}

void SharedBlock::SetCaptureRelativeToWindow(bool on) {
    b_[kCaptureRelativeToWindow] = on ? 1 : 0;
    b_[kCaptureRelativeToWindowCopy] = on ? 1 : 0;
}

void SharedBlock::ClearCaptureWorkBytes() {
    b_[kCaptureWork719] = 0;
    b_[kCaptureWork744] = 0;
    b_[kCaptureWork754] = 0;
}

std::string SharedBlock::ScopeName(int place) const {
    return bytes::GetShortString(b_ + kScopeNames + 21 * Index(place), kScopeNameShared);
}

void SharedBlock::SetScopeName(int place, std::string_view name) {
    bytes::PutShortString(b_ + kScopeNames + 21 * Index(place), kScopeNameShared, name);
}

int SharedBlock::MacroCount() const {
    const auto n = static_cast<std::int32_t>(bytes::GetU32(b_ + kMacroCount));
    return std::clamp(n, 0, kMaxMacros);
}

void SharedBlock::SetMacroCount(int count) {
    bytes::PutU32(b_ + kMacroCount, static_cast<std::uint32_t>(std::clamp(count, 0, kMaxMacros)));
}

void SharedBlock::InitForWindow(std::uint32_t mainWindow, bool nt) {
    SetMainWindow(mainWindow);
    b_[kCleared4] = 0;
    SetCaptureFlag(false);
    ClearCaptureWorkBytes();
    SetCaptureDoubleAlt(false);
    SetSecWind(mainWindow, false);
    // The stop key's virtual key and Ctrl/Alt/Shift; its button and Win wait for capture start.
    bytes::PutU16(b_ + kStopKey + 2, 0);
    std::fill_n(b_ + kStopKey + 4, 3, std::uint8_t{0});
    b_[kCleared14275] = 0;
    b_[kNtFlag] = nt ? 1 : 0;
}

CaptureStopKey SharedBlock::GetStopKey(std::size_t at) const {
    CaptureStopKey k;
    k.mouseButton = bytes::GetU16(b_ + at);
    k.virtualKey = bytes::GetU16(b_ + at + 2);
    k.ctrl = b_[at + 4] != 0;
    k.alt = b_[at + 5] != 0;
    k.shift = b_[at + 6] != 0;
    k.win = b_[at + 7] != 0;
    return k;
}

void SharedBlock::PutStopKey(std::size_t at, const CaptureStopKey& k) {
    bytes::PutU16(b_ + at, k.mouseButton);
    bytes::PutU16(b_ + at + 2, k.virtualKey);
    b_[at + 4] = k.ctrl ? 1 : 0;
    b_[at + 5] = k.alt ? 1 : 0;
    b_[at + 6] = k.shift ? 1 : 0;
    b_[at + 7] = k.win ? 1 : 0;
}

void SwapBlock::InitForWindow(std::uint32_t mainWindow, std::uint32_t hook) {
    bytes::PutU32(b_ + kMainWindow, mainWindow);
    b_[kCleared103] = 0;
    bytes::PutU32(b_ + kHook, hook);
}

} // namespace kv
