#pragma once
// The main shared block: 14277 bytes that Keyvane shares with its input hook. Its layout is
// an interface between two components, so every field sits at a fixed offset and is
// reached through a named accessor. In the running program the bytes live in shared
// memory; in tests in ordinary memory (OwnedSharedBlock).

#include "engine/core/Bytes.h"
#include "engine/core/Limits.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

inline constexpr std::size_t kSharedBlockSize = 14277;
inline constexpr int kHotKeyFlagCount = 699; // codes 0..698 have a flag byte

// One stop key of a capture: the combination that ends it.
struct CaptureStopKey {
    std::uint16_t mouseButton = 0; // 0 none, 1 left, 2 right, 3 middle
    std::uint16_t virtualKey = 0;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;
};

class SharedBlock {
public:
    // Field offsets, in bytes from the start of the block.
    enum Offset : std::size_t {
        kMainWindow = 0,
        kCleared4 = 4,
        kHotKeyFlags = 17,
        kCaptureFlag = 716,
        kCapturePlace = 717,
        kCaptureWork719 = 719,
        kCaptureDoubleAlt = 720,
        kMouseHook = 723,
        kKeyboardHook = 727,
        kHotKeyEntryWindow = 731,
        kHotKeyEntryFlag = 735,
        kStopKey = 736,
        kCaptureWork744 = 744,
        kSecondStopKeyPresent = 745,
        kSecondStopKey = 746,
        kCaptureWork754 = 754,
        kCaptureRelativeToWindow = 755,
        kPlaying = 756,
        kCaptureKeys = 757,
        kCaptureMouse = 758,
        kCaptureRelativeToScreen = 759,
        kCaptureTime = 760,
        kCaptureStart = 769,
        kCaptureRelativeToWindowCopy = 770,
        kScopes = 771,
        kScopeNames = 1771,
        kActives = 12271,
        kActivations = 12771,
        kTopMostOnly = 13771,
        kMacroCount = 14271,
        kCleared14275 = 14275,
        kNtFlag = 14276,
    };

    // A view of kSharedBlockSize bytes owned elsewhere.
    explicit SharedBlock(std::uint8_t* bytes) : b_(bytes) {}
    SharedBlock(const SharedBlock&) = delete;
    SharedBlock& operator=(const SharedBlock&) = delete;
    virtual ~SharedBlock() = default;

    std::uint8_t* Data() { return b_; }
    const std::uint8_t* Data() const { return b_; }

    std::uint32_t MainWindow() const { return bytes::GetU32(b_ + kMainWindow); }
    void SetMainWindow(std::uint32_t w) { bytes::PutU32(b_ + kMainWindow, w); }

    bool HotKeyFlag(int code) const;
    // Rebuilds the flags from the per-place tables: an active macro with a hot key code
    // 0..698 sets its code's flag; timed, Typeword and switched-off macros set none.
    void SetHotKeys();
    // Points the hook at a window that wants hot key presses (a hot key entry box).
    void SetSecWind(std::uint32_t window, bool on);
    std::uint32_t HotKeyEntryWindow() const { return bytes::GetU32(b_ + kHotKeyEntryWindow); }
    bool HotKeyEntryFlag() const { return b_[kHotKeyEntryFlag] != 0; }

    bool CaptureFlag() const { return b_[kCaptureFlag] != 0; }
    void SetCaptureFlag(bool on) { b_[kCaptureFlag] = on ? 1 : 0; }
    std::uint16_t CapturePlace() const { return bytes::GetU16(b_ + kCapturePlace); }
    void SetCapturePlace(std::uint16_t p) { bytes::PutU16(b_ + kCapturePlace, p); }
    bool CaptureDoubleAlt() const { return b_[kCaptureDoubleAlt] != 0; }
    void SetCaptureDoubleAlt(bool on) { b_[kCaptureDoubleAlt] = on ? 1 : 0; }
    CaptureStopKey StopKey() const { return GetStopKey(kStopKey); }
    void SetStopKey(const CaptureStopKey& k) { PutStopKey(kStopKey, k); }
    bool SecondStopKeyPresent() const { return b_[kSecondStopKeyPresent] != 0; }
    void SetSecondStopKeyPresent(bool on) { b_[kSecondStopKeyPresent] = on ? 1 : 0; }
    CaptureStopKey SecondStopKey() const { return GetStopKey(kSecondStopKey); }
    void SetSecondStopKey(const CaptureStopKey& k) { PutStopKey(kSecondStopKey, k); }
    bool CaptureRelativeToWindow() const { return b_[kCaptureRelativeToWindow] != 0; }
    // Writes both the flag and its copy, which always hold the same value.
    void SetCaptureRelativeToWindow(bool on);
    bool CaptureKeys() const { return b_[kCaptureKeys] != 0; }
    void SetCaptureKeys(bool on) { b_[kCaptureKeys] = on ? 1 : 0; }
    bool CaptureMouse() const { return b_[kCaptureMouse] != 0; }
    void SetCaptureMouse(bool on) { b_[kCaptureMouse] = on ? 1 : 0; }
    bool CaptureRelativeToScreen() const { return b_[kCaptureRelativeToScreen] != 0; }
    void SetCaptureRelativeToScreen(bool on) { b_[kCaptureRelativeToScreen] = on ? 1 : 0; }
    bool CaptureTime() const { return b_[kCaptureTime] != 0; }
    void SetCaptureTime(bool on) { b_[kCaptureTime] = on ? 1 : 0; }
    bool CaptureStart() const { return b_[kCaptureStart] != 0; }
    void SetCaptureStart(bool on) { b_[kCaptureStart] = on ? 1 : 0; }
    // The hook's three working bytes, cleared at window creation and at capture start.
    void ClearCaptureWorkBytes();

    std::uint32_t MouseHook() const { return bytes::GetU32(b_ + kMouseHook); }
    void SetMouseHook(std::uint32_t h) { bytes::PutU32(b_ + kMouseHook, h); }
    std::uint32_t KeyboardHook() const { return bytes::GetU32(b_ + kKeyboardHook); }
    void SetKeyboardHook(std::uint32_t h) { bytes::PutU32(b_ + kKeyboardHook, h); }

    bool Playing() const { return b_[kPlaying] != 0; }
    void SetPlaying(bool on) { b_[kPlaying] = on ? 1 : 0; }

    bool NtFlag() const { return b_[kNtFlag] != 0; }

    // Per-place tables, places 1..500.
    std::uint16_t Scope(int place) const { return bytes::GetU16(b_ + kScopes + 2 * Index(place)); }
    void SetScope(int place, std::uint16_t s) { bytes::PutU16(b_ + kScopes + 2 * Index(place), s); }
    std::string ScopeName(int place) const;
    // Keeps the first 20 characters.
    void SetScopeName(int place, std::string_view name);
    bool Active(int place) const { return b_[kActives + Index(place)] != 0; }
    void SetActive(int place, bool on) { b_[kActives + Index(place)] = on ? 1 : 0; }
    std::uint16_t Activation(int place) const {
        return bytes::GetU16(b_ + kActivations + 2 * Index(place));
    }
    void SetActivation(int place, std::uint16_t a) {
        bytes::PutU16(b_ + kActivations + 2 * Index(place), a);
    }
    bool TopMostOnly(int place) const { return b_[kTopMostOnly + Index(place)] != 0; }
    void SetTopMostOnly(int place, bool on) { b_[kTopMostOnly + Index(place)] = on ? 1 : 0; }

    // Number of macros in the current file, 0..500.
    int MacroCount() const;
    void SetMacroCount(int count);

    // What window creation writes before the hooks go in: the handle fields, cleared state
    // and capture fields, and the NT flag.
    void InitForWindow(std::uint32_t mainWindow, bool nt);

private:
    static std::size_t Index(int place);
    CaptureStopKey GetStopKey(std::size_t at) const;
    void PutStopKey(std::size_t at, const CaptureStopKey& k);

    std::uint8_t* b_;
};

// A shared block in ordinary memory, zero-filled: for tests and for kvn.
class OwnedSharedBlock : public SharedBlock {
public:
    OwnedSharedBlock() : SharedBlock(storage_.data()) {}

private:
    std::array<std::uint8_t, kSharedBlockSize> storage_{};
};

// The swap block of the key remapper: the window handle, the remapping hook's handle and a
// byte cleared at window creation; the rest holds the remapping table.
class SwapBlock {
public:
    enum Offset : std::size_t { kMainWindow = 0, kHook = 4, kCleared103 = 103 };

    explicit SwapBlock(std::uint8_t* bytes) : b_(bytes) {}
    std::uint8_t* Data() { return b_; }
    std::uint32_t MainWindow() const { return bytes::GetU32(b_ + kMainWindow); }
    std::uint32_t Hook() const { return bytes::GetU32(b_ + kHook); }
    void InitForWindow(std::uint32_t mainWindow, std::uint32_t hook);

private:
    std::uint8_t* b_;
};

} // namespace kv
