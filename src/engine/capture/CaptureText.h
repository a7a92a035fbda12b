#pragma once
// Captured input to macro text: what the user typed and clicked, written so that it reads
// well in the script view and plays back as the same input.
//
// Keys. A key that gives a printable character with no modifier, Shift, or AltGr (Ctrl+Alt)
// is that character; "<" stays a character (see CaptureOutput). Other keys are their key
// tags ("<ENTER>", "<F5>", "<KEYP7>", also when they give a character; Space with Ctrl, Alt
// or the Windows key is "<SPACE>"), led by "<SHIFT>" when Shift is held; a key with neither
// (Caps Lock, or a character Windows-1252 lacks) is dropped. A key pressed with Ctrl, Alt
// or the Windows key is a shortcut: the modifiers in the order they were pressed, then the
// key as its key tag, its letter or digit (lower case) or the character it gives alone.
// Shift in a shortcut is "<SHIFT>".
// Ctrl and Alt are "<CTRL>" and "<ALT>", released with the key, when they are let go before
// anything else happens; held on over further keys or pointer actions they are "<CTLD>" /
// "<ALTD>" and their release "<CTLU>" / "<ALTU>" (Alt+Tab+Tab stays one switch). The
// Windows key is always "<WIND>" ... "<WINU>". A pointer action with modifiers held writes
// them held down ("<SHFD>", "<CTLD>", "<ALTD>", "<WIND>") and their releases.
// Alt pressed and released alone (the menu key) is "<ALT><ALT>", one press and release,
// when doubleAlt is on, and nothing otherwise; the Windows key alone is "<LEFTWIN>" or
// "<RIGHTWIN>". Shift or Ctrl alone, and modifiers still held at the stop (those of the
// stop key), write nothing. Releases of keys not seen pressed (the start hot key's) are
// ignored, a repeated press of a held key is typed again (a held modifier's is not), and
// whatever the text holds down is released at the stop.
//
// Pointer. Moves without a button write nothing by themselves: the last position before
// the next pointer action becomes one move, written just before it at the moment the
// pointer came to rest, so the path in between is dropped (and a move to where the text
// already put the pointer is left out).
// A press and release with no move between is a click ("<LCLK>"); two clicks of a button at
// one place, the second pressed within kDoubleClickMs of the first, are a double click
// ("<LDCLK>"); a press, moves and a release are a drag: "<LDN>" at the press position, the
// last position, "<LUP>". The wheel is "<WFW:nnn>" / "<WBW:nnn>" at its position. Positions
// are "<MMS:xxxxx,yyyyy>" on the screen or, relativeToScreen off, "<MMW:xxxxx,yyyyy>" from
// the top-left corner of the window in front at the action (screen positions when there is
// none), with windowSize on led by "<WSIZE:wwww,hhhh"CURRENT">" when that window's size is
// new. Positions beyond what the fields hold are clamped: -9999 to 99999, sizes 0 to 9999.
//
// Timing. With time on, the wait between the moments of two written actions goes before the
// second: "<MSD:nnnn>" up to 9999 ms, above that "<DELAY:sssss>" with the whole seconds and
// "<MSD:nnnn>" with the rest, so that at actual speed every action starts when it did, to
// the millisecond. Nothing waits before the first action or at the end. An action that plays
// as one piece (a typed key, a click, a double click, a shortcut with its latched modifiers)
// happens at its first press; how long it was held adds to the wait after it. Dropped input
// takes no time of its own.

#include "engine/capture/CaptureOutput.h"
#include "engine/capture/CaptureTags.h"
#include "engine/capture/CapturedInput.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kv {

struct CaptureOptions {
    bool keys = true;
    bool mouse = true;
    bool relativeToScreen = true;
    bool time = true;
    bool windowSize = false; // only with mouse on and relativeToScreen off
    bool doubleAlt = true;
    int speed = 1; // 1 actual, 2 half, 3 double, 4 quadruple
};

// The longest time from the first press of a double click to the second.
inline constexpr std::int64_t kDoubleClickMs = 500;

// The tag a timed capture starts with: "<SPEED:00001>", "<SPEED:00002>", "<SPEED:00.50>",
// "<SPEED:00.25>" for speeds 1 to 4; any other speed is actual.
std::string SpeedTag(int speed);

class CaptureWriter {
public:
    explicit CaptureWriter(const CaptureOptions& options);

    // The text that became final with this input. A little may be held back: a shortcut
    // until its modifiers are let go, a click until it cannot become a double click, a
    // typed "<" until the next characters show it is no tag.
    std::string Add(const CapturedInput& input);
    // The rest, at the stop.
    std::string Finish();

private:
    using Mod = CaptureModifier;
    struct ModState {
        bool held = false;
        bool used = false; // a key or pointer action went with this press
        bool down = false; // written held down: its release writes the up tag
        std::uint8_t vk = 0;
        std::int64_t pressMs = 0;
        std::uint64_t order = 0;
    };
    // One piece of a shortcut: a modifier tag, or the key.
    struct ChordPart {
        std::int64_t ms = 0;
        std::optional<Mod> undecided{}; // Ctrl or Alt: latched or held down, not known yet
        bool released = false;
        std::string tag{};
        char character = 0; // the key typed as a character when `tag` is empty
    };
    // Where a pointer action happens, and the move tag that puts the pointer there.
    struct Spot {
        int x = 0;
        int y = 0;
        std::string move{};
        std::optional<WindowRect> window{};
    };
    struct PendingButton {
        PointerButton button = PointerButton::Left;
        Spot spot{};
        std::int64_t ms = 0;
    };
    struct PendingMove {
        int x = 0;
        int y = 0;
        std::int64_t ms = 0;
    };

    static std::optional<Mod> ModOf(std::uint8_t vk);
    void KeyDown(const CapturedInput& in);
    void KeyUp(const CapturedInput& in);
    void ModifierUp(Mod m, std::int64_t ms);
    void ButtonDown(const CapturedInput& in);
    void ButtonUp(const CapturedInput& in);
    void Move(const CapturedInput& in);
    void Wheel(const CapturedInput& in);

    // Writes what is held back, deciding it as it stands; `stopping` releases everything.
    void Settle(bool stopping = false);
    void WriteChord(std::vector<ChordPart>& parts, bool stopping);
    std::int64_t ModifierMoment(Mod m, std::int64_t now) const;
    // Held modifiers the text does not hold down yet, in the order they were pressed.
    std::vector<Mod> HeldUp() const;
    void UseHeld();
    std::optional<ChordPart> KeyPart(const CapturedInput& in, bool shift) const;

    Spot SpotOf(const CapturedInput& in) const;
    bool NeedsSize(const Spot& spot) const;
    bool CanBeDoubleClick(const CapturedInput& in, const Spot& spot) const;
    // The held modifiers, the window size and the move that a pointer action needs first.
    void BeforePointer(const CapturedInput& in, const Spot& spot);
    void WriteButton(std::int64_t ms, PointerButton b, MouseAction action);

    CaptureOptions options_;
    CaptureOutput out_;
    std::array<ModState, kModifierCount> mods_{};
    std::uint64_t presses_ = 0;
    std::vector<ChordPart> chord_; // a shortcut awaiting its modifiers' release
    std::optional<PendingMove> move_;
    std::optional<PendingButton> press_; // pressed, not yet a click or a drag
    std::optional<PendingButton> click_; // clicked, perhaps the first of a double click
    bool secondPress_ = false;           // press_ is the second press of a double click
    std::array<bool, 3> buttonHeld_{};   // pressed, as the user holds them
    std::array<bool, 3> buttonDown_{};   // written down, awaiting their up tag
    std::string pointerAt_;              // the move tag the text last wrote
    std::optional<std::pair<int, int>> sizeWritten_;
};

// All of `inputs` as one capture, Finish included. Without the speed tag: the caller writes
// SpeedTag first when timing is on, as the capture's scratch file starts with it.
std::string CaptureToText(std::span<const CapturedInput> inputs, const CaptureOptions& options);

} // namespace kv
