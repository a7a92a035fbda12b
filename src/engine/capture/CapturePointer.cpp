// The pointer half of CaptureWriter: moves, buttons and the wheel.

#include "engine/capture/CaptureText.h"

#include <algorithm>
#include <utility>

namespace kv {

CaptureWriter::Spot CaptureWriter::SpotOf(const CapturedInput& in) const {
    Spot s{.x = in.x, .y = in.y};
    if (!options_.relativeToScreen && in.window) {
        s.window = in.window;
        s.move = MoveTag(true, in.x - in.window->left, in.y - in.window->top);
    } else {
        s.move = MoveTag(false, in.x, in.y);
    }
    return s;
}

bool CaptureWriter::NeedsSize(const Spot& spot) const {
    if (!options_.windowSize || options_.relativeToScreen || !spot.window)
        return false;
    const std::pair size{spot.window->right - spot.window->left,
                         spot.window->bottom - spot.window->top};
    return sizeWritten_ != size;
}

void CaptureWriter::WriteButton(std::int64_t ms, PointerButton b, MouseAction action) {
    out_.Tag(ms, ButtonTag(b, action));
}

void CaptureWriter::BeforePointer(const CapturedInput& in, const Spot& spot) {
    struct Piece {
        std::int64_t ms;
        std::string tags;
    };
    std::vector<Piece> pieces;
    // Modifiers held with a pointer action stay down through it.
    for (Mod m : HeldUp()) {
        pieces.push_back({ModifierMoment(m, in.ms), ModifierTag(m, ModifierAction::Down)});
        mods_[m].down = true;
    }
    UseHeld();
    std::string place;
    if (NeedsSize(spot)) {
        const WindowRect& r = *spot.window;
        place += WindowSizeTag(r.right - r.left, r.bottom - r.top);
        sizeWritten_ = std::pair{r.right - r.left, r.bottom - r.top};
    }
    if (spot.move != pointerAt_) {
        place += spot.move;
        pointerAt_ = spot.move;
    }
    if (!place.empty()) {
        // The pointer got there with its last move, which may be well before the action.
        const bool cameByMove = move_ && move_->x == in.x && move_->y == in.y;
        pieces.push_back({cameByMove ? move_->ms : in.ms, place});
    }
    move_.reset();
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const Piece& a, const Piece& b) { return a.ms < b.ms; });
    for (const Piece& p : pieces)
        out_.Tag(p.ms, p.tags);
}

bool CaptureWriter::CanBeDoubleClick(const CapturedInput& in, const Spot& spot) const {
    if (!click_ || press_ || click_->button != in.button || click_->spot.move != spot.move ||
        in.ms - click_->ms > kDoubleClickMs || NeedsSize(spot))
        return false;
    // A modifier pressed between the clicks would have to be written between them.
    return HeldUp().empty();
}

void CaptureWriter::ButtonDown(const CapturedInput& in) {
    if (!options_.mouse || std::exchange(buttonHeld_[ButtonIndex(in.button)], true))
        return;
    const Spot spot = SpotOf(in);
    if (CanBeDoubleClick(in, spot)) {
        press_ = PendingButton{in.button, spot, in.ms};
        secondPress_ = true;
        move_.reset();
        return;
    }
    Settle();
    BeforePointer(in, spot);
    press_ = PendingButton{in.button, spot, in.ms};
    secondPress_ = false;
}

void CaptureWriter::ButtonUp(const CapturedInput& in) {
    const std::size_t b = ButtonIndex(in.button);
    if (!options_.mouse || !std::exchange(buttonHeld_[b], false))
        return; // a button pressed before the capture
    const Spot spot = SpotOf(in);
    if (press_ && press_->button == in.button) {
        if (spot.move == press_->spot.move) {
            if (secondPress_)
                WriteButton(std::exchange(click_, std::nullopt)->ms, in.button,
                            MouseAction::DoubleClick);
            else
                click_ = press_;
            press_.reset();
            secondPress_ = false;
            move_.reset();
            return;
        }
        Settle(); // released elsewhere: a drag after all
    }
    if (!buttonDown_[b])
        return;
    Settle();
    BeforePointer(in, spot);
    WriteButton(in.ms, in.button, MouseAction::Up);
    buttonDown_[b] = false;
}

void CaptureWriter::Move(const CapturedInput& in) {
    if (!options_.mouse)
        return;
    move_ = PendingMove{in.x, in.y, in.ms};
    if (press_ && (in.x != press_->spot.x || in.y != press_->spot.y))
        Settle(); // the press starts a drag
}

void CaptureWriter::Wheel(const CapturedInput& in) {
    if (!options_.mouse || in.notches == 0)
        return;
    Settle();
    BeforePointer(in, SpotOf(in));
    out_.Tag(in.ms, WheelTags(in.notches));
}

std::string CaptureToText(std::span<const CapturedInput> inputs, const CaptureOptions& options) {
    CaptureWriter writer(options);
    std::string text;
    for (const CapturedInput& in : inputs)
        text += writer.Add(in);
    return text + writer.Finish();
}

} // namespace kv
