#include "engine/capture/CaptureText.h"

#include "engine/player/PlayerTypes.h"

#include <algorithm>
#include <utility>

namespace kv {
namespace {

constexpr std::uint8_t kVkSpace = 0x20;
constexpr std::uint8_t kVkRightWin = 0x5C;
// The one-sided modifiers, should a back end report them: left and right Shift, Ctrl, Alt.
constexpr std::uint8_t kVkLeftShift = 0xA0;
constexpr std::uint8_t kVkRightAlt = 0xA5;

bool Printable(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u != 0x7F;
}

} // namespace

std::string SpeedTag(int speed) {
    // Actual, half, double and quadruple speed as the factor that scales the waits.
    constexpr std::string_view kFactors[] = {"00001", "00002", "00.50", "00.25"};
    const std::string_view factor = kFactors[speed >= 1 && speed <= 4 ? speed - 1 : 0];
    return std::string(TagFor(TagId::Speed).spelling) + std::string(factor) + '>';
}

CaptureWriter::CaptureWriter(const CaptureOptions& options)
    : options_(options), out_(options.time) {}

std::optional<CaptureWriter::Mod> CaptureWriter::ModOf(std::uint8_t vk) {
    if (vk >= kVkLeftShift && vk <= kVkRightAlt)
        vk = static_cast<std::uint8_t>(vk::kShift + (vk - kVkLeftShift) / 2);
    switch (vk) {
    case vk::kShift:
        return kShiftKey;
    case vk::kControl:
        return kCtrlKey;
    case vk::kMenu:
        return kAltKey;
    case vk::kLeftWin:
    case kVkRightWin:
        return kWinKey;
    default:
        return std::nullopt;
    }
}

std::string CaptureWriter::Add(const CapturedInput& in) {
    // A click that is too old for a double click need not wait any longer.
    if (click_ && !press_ && in.ms - click_->ms > kDoubleClickMs)
        Settle();
    switch (in.kind) {
    case CapturedInput::Kind::KeyDown:
        KeyDown(in);
        break;
    case CapturedInput::Kind::KeyUp:
        KeyUp(in);
        break;
    case CapturedInput::Kind::ButtonDown:
        ButtonDown(in);
        break;
    case CapturedInput::Kind::ButtonUp:
        ButtonUp(in);
        break;
    case CapturedInput::Kind::Move:
        Move(in);
        break;
    case CapturedInput::Kind::Wheel:
        Wheel(in);
        break;
    }
    return out_.Take();
}

std::string CaptureWriter::Finish() {
    Settle(true);
    // Nothing stays down after the macro: buttons first, then modifiers.
    for (PointerButton b : {PointerButton::Left, PointerButton::Right, PointerButton::Middle}) {
        if (std::exchange(buttonDown_[ButtonIndex(b)], false))
            out_.TagNow(ButtonTag(b, MouseAction::Up));
    }
    for (std::size_t m = 0; m < kModifierCount; ++m) {
        if (std::exchange(mods_[m].down, false))
            out_.TagNow(ModifierTag(static_cast<Mod>(m), ModifierAction::Up));
    }
    out_.Finish();
    return out_.Take();
}

void CaptureWriter::Settle(bool stopping) {
    if (!chord_.empty()) {
        std::vector<ChordPart> parts = std::move(chord_);
        chord_.clear();
        WriteChord(parts, stopping);
    }
    if (click_) {
        WriteButton(click_->ms, click_->button, MouseAction::Click);
        click_.reset();
    }
    if (press_) {
        WriteButton(press_->ms, press_->button, MouseAction::Down);
        buttonDown_[ButtonIndex(press_->button)] = true;
        press_.reset();
        secondPress_ = false;
    }
}

// --- keys ---

std::int64_t CaptureWriter::ModifierMoment(Mod m, std::int64_t now) const {
    // A modifier's first use happens when it was pressed; later uses when their key is.
    return mods_[m].used ? now : mods_[m].pressMs;
}

std::vector<CaptureWriter::Mod> CaptureWriter::HeldUp() const {
    std::vector<Mod> held;
    for (std::size_t m = 0; m < kModifierCount; ++m) {
        if (mods_[m].held && !mods_[m].down)
            held.push_back(static_cast<Mod>(m));
    }
    std::sort(held.begin(), held.end(),
              [this](Mod a, Mod b) { return mods_[a].order < mods_[b].order; });
    return held;
}

void CaptureWriter::UseHeld() {
    for (ModState& s : mods_) {
        if (s.held)
            s.used = true;
    }
}

std::optional<CaptureWriter::ChordPart> CaptureWriter::KeyPart(const CapturedInput& in,
                                                               bool shift) const {
    ChordPart p{.ms = in.ms};
    if (const TagInfo* t = FindKeyTag(in.vk))
        p.tag = t->spelling;
    else if (in.vk >= 'A' && in.vk <= 'Z')
        p.character = static_cast<char>(in.vk - 'A' + 'a');
    else if (in.vk >= '0' && in.vk <= '9')
        p.character = static_cast<char>(in.vk);
    else if (Printable(in.plainCharacter))
        p.character = in.plainCharacter;
    else if (Printable(in.character) && !shift) // a layout that gives Alt+key a character
        p.character = in.character;
    else
        return std::nullopt;
    return p;
}

void CaptureWriter::KeyDown(const CapturedInput& in) {
    if (!options_.keys)
        return;
    if (const auto m = ModOf(in.vk)) {
        ModState& s = mods_[*m];
        if (!s.held) // a held modifier's own repeats say nothing new
            s = ModState{.held = true, .vk = in.vk, .pressMs = in.ms, .order = ++presses_};
        return;
    }
    Settle();
    if (in.vk == 0) { // a character without a key: typed whatever is held
        if (Printable(in.character))
            out_.Character(in.ms, in.character);
        return;
    }
    const bool shift = mods_[kShiftKey].held;
    const bool ctrl = mods_[kCtrlKey].held;
    const bool alt = mods_[kAltKey].held;
    const bool win = mods_[kWinKey].held;
    const TagInfo* keyTag = FindKeyTag(in.vk);
    // Ctrl+Alt is AltGr when it gives a character.
    if (Printable(in.character) && !win && ctrl == alt && (!keyTag || in.vk == kVkSpace)) {
        UseHeld();
        out_.Character(in.ms, in.character);
        return;
    }
    // Without Ctrl, Alt or the Windows key only a key tag can stand for a key that gives no
    // character (or one Windows-1252 lacks).
    const bool shortcut = ctrl || alt || win;
    const std::optional<ChordPart> key =
        shortcut || keyTag ? KeyPart(in, shift) : std::optional<ChordPart>();
    if (!key) {
        UseHeld();
        return;
    }
    std::vector<ChordPart> parts;
    bool undecided = false;
    for (Mod m : HeldUp()) {
        ChordPart& p = parts.emplace_back(ChordPart{.ms = ModifierMoment(m, in.ms)});
        if (m == kShiftKey) {
            p.tag = ModifierTag(m, ModifierAction::Latch);
        } else if (m == kWinKey) {
            p.tag = ModifierTag(m, ModifierAction::Down);
            mods_[m].down = true;
        } else {
            p.undecided = m;
            undecided = true;
        }
    }
    UseHeld();
    parts.push_back(*key);
    if (undecided)
        chord_ = std::move(parts);
    else
        WriteChord(parts, false);
}

void CaptureWriter::WriteChord(std::vector<ChordPart>& parts, bool stopping) {
    for (ChordPart& p : parts) {
        if (p.undecided) {
            const Mod m = *p.undecided;
            // Still held after the key: it went on to more than this one key.
            const bool holds = !p.released && !stopping;
            p.tag = ModifierTag(m, holds ? ModifierAction::Down : ModifierAction::Latch);
            if (holds)
                mods_[m].down = true;
        }
        if (p.tag.empty())
            out_.Character(p.ms, p.character);
        else
            out_.Tag(p.ms, p.tag);
    }
}

void CaptureWriter::KeyUp(const CapturedInput& in) {
    if (!options_.keys)
        return;
    // Other keys were written whole at their press.
    if (const auto m = ModOf(in.vk); m && mods_[*m].held)
        ModifierUp(*m, in.ms);
}

void CaptureWriter::ModifierUp(Mod m, std::int64_t ms) {
    ModState& s = mods_[m];
    s.held = false;
    if (s.down) {
        Settle();
        out_.Tag(ms, ModifierTag(m, ModifierAction::Up));
        s.down = false;
        return;
    }
    bool inChord = false;
    bool allReleased = true;
    for (ChordPart& p : chord_) {
        if (p.undecided == m)
            inChord = p.released = true;
        allReleased = allReleased && (!p.undecided || p.released);
    }
    if (inChord) {
        if (allReleased) // let go with the key: the latched form
            Settle();
        return;
    }
    if (s.used)
        return;
    if (m == kAltKey && options_.doubleAlt) {
        Settle();
        const std::string alt = ModifierTag(kAltKey, ModifierAction::Latch);
        out_.Tag(s.pressMs, alt + alt);
    } else if (m == kWinKey) {
        Settle();
        out_.Tag(s.pressMs, FindKeyTag(s.vk)->spelling);
    }
}

} // namespace kv
