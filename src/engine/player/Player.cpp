#include "engine/player/Player.h"

#include "engine/player/Waiting.h"

#include <cmath>
#include <string>

namespace kv {

Player::Player(PlayerPorts ports, const Settings& settings, DispatchState& dispatch)
    : ports_(ports), settings_(settings), dispatch_(dispatch), finder_(ports.windows, dispatch),
      dialogs_(ports, settings, dispatch) {}

void Player::IntoProgram(std::string_view text) {
    Play(text, dispatch_.capsLock);
}

void Player::PlayScheduled(std::string_view text) {
    Play(text, false);
}

void Player::ResetForPlayback() {
    abortRequested_ = false;
    abortReported_ = false;
    pauseAborted_ = false;
    counterPending_ = false;
    inRepeat_ = false;
    dialogs_.restoreMain = false;
    dialogs_.mainWasIconic = false;
    mouseDelayOn_ = false;
    keyDelayOn_ = false;
    speedFactor_ = 1.0;
    fileNesting_ = 0;
}

namespace {

// Each character the text types literally, once, in the order first met.
std::string LiteralCharacters(std::string_view text) {
    std::string chars;
    for (std::size_t p = 0; p < text.size();) {
        const Element e = ReadElement(text, p);
        if (e.kind == ElementKind::Char && chars.find(e.ch) == std::string::npos)
            chars.push_back(e.ch);
        p = e.End();
    }
    return chars;
}

} // namespace

void Player::Play(std::string_view text, bool capsLock) {
    ResetForPlayback();
    // The player walks its own copy: a macro may swap the file or change the record.
    const std::string copy(text);
    ports_.input.PrepareToType(LiteralCharacters(copy));
    if (capsLock) {
        ports_.input.Key(vk::kCapital, false);
        ports_.input.Key(vk::kCapital, true);
    }
    DoMacro(copy);
    // The abort key ends a playback with its message and nothing more; a normal end, an
    // <ACTIVATE:> that found nothing and the Pause box's Abort all finish it properly.
    if (!abortReported_)
        EndOfPlayback(capsLock);
}

void Player::EndOfPlayback(bool capsLock) {
    if (capsLock) {
        ports_.input.Key(vk::kCapital, false);
        ports_.input.Key(vk::kCapital, true);
    }
    if (dialogs_.restoreMain && !settings_.useTray) {
        ports_.app.ShowMainWindow();
        if (dialogs_.mainWasIconic)
            ports_.app.MinimizeApplication();
        dispatch_.target = finder_.MakeSureItsAParent(dispatch_.target);
        if (dispatch_.target)
            ports_.windows.Activate(dispatch_.target);
    }
}

void Player::DoMacro(std::string_view text) {
    Latches latches;
    Latches* outer = latches_;
    latches_ = &latches;
    std::size_t p = 0;
    while (p < text.size()) {
        if (abortRequested_) {
            if (!abortReported_) {
                abortReported_ = true;
                dialogs_.DoAMessage("Macro Abort", "Keyvane macro has been aborted.");
            }
            break;
        }
        const Element e = ReadElement(text, p);
        std::size_t next = e.End();
        const Step step = Execute(e, text, next);
        if (pauseAborted_)
            break;
        // An abort requested meanwhile is seen at the start of the next step, with its message.
        if (step == Step::EndWalk && !abortRequested_)
            break;
        p = next;
        ports_.pump.ProcessPending();
    }
    latches_ = outer;
}

Player::Step Player::Execute(const Element& e, std::string_view text, std::size_t& next) {
    switch (e.kind) {
    case ElementKind::Char:
        TypeChar(e.ch);
        return Step::Next;
    case ElementKind::Key:
        KeyTag(e.tag->vk);
        return Step::Next;
    case ElementKind::Modifier:
        Modifier(e);
        return Step::Next;
    case ElementKind::Mouse:
        Mouse(e);
        return Step::Next;
    case ElementKind::Date:
        TypeText(DateTagText(e.stamp, ports_.clock.Now()));
        return Step::Next;
    case ElementKind::Time:
        TypeText(TimeTagText(e.stamp, ports_.clock.Now()));
        return Step::Next;
    case ElementKind::Command:
        return Command(e, text, next);
    }
    return Step::Next;
}

void Player::TypeText(std::string_view text) {
    for (char c : text)
        TypeChar(c);
}

void Player::PressAndLatch(std::uint8_t key, bool& latch) {
    ports_.input.Key(key, false);
    latch = true;
}

void Player::TypeChar(char c) {
    if (keyDelayOn_)
        WaitMs(keyDelay_);
    const auto code = static_cast<unsigned char>(c);
    if (code >= 128) {
        TypeAltCode("0" + std::to_string(code));
        return;
    }
    const std::optional<KeyScan> scan = ports_.input.VkKeyScan(c);
    // A character the layout lacks goes out as key FF with no modifiers, as Windows does.
    const KeyScan k = scan.value_or(KeyScan{vk::kUnknown, 0xFF});
    switch (k.shiftState) {
    case 1:
        PressAndLatch(vk::kShift, latches_->shift);
        break;
    case 2:
        PressAndLatch(vk::kControl, latches_->ctrl);
        break;
    case 6:
        PressAndLatch(vk::kControl, latches_->ctrl);
        PressAndLatch(vk::kMenu, latches_->alt);
        break;
    case 7:
        PressAndLatch(vk::kShift, latches_->shift);
        PressAndLatch(vk::kControl, latches_->ctrl);
        PressAndLatch(vk::kMenu, latches_->alt);
        break;
    default:
        break;
    }
    ports_.input.Key(k.vk, false);
    ports_.input.Key(k.vk, true);
    ReleaseLatches();
}

void Player::TypeAltCode(std::string_view digits) {
    std::string clean;
    for (char d : digits)
        if (d >= '0' && d <= '9')
            clean.push_back(d);
    ports_.input.AltCode(clean);
}

void Player::ReleaseLatches() {
    const std::pair<bool*, std::uint8_t> order[] = {{&latches_->shift, vk::kShift},
                                                    {&latches_->ctrl, vk::kControl},
                                                    {&latches_->alt, vk::kMenu}};
    for (auto [latch, key] : order) {
        if (*latch) {
            *latch = false;
            ports_.input.Key(key, true);
        }
    }
}

void Player::KeyTag(std::uint8_t key) {
    if (keyDelayOn_)
        WaitMs(keyDelay_);
    ports_.input.Key(key, false);
    ports_.input.Key(key, true);
    ReleaseLatches();
}

void Player::Modifier(const Element& e) {
    const TagInfo& t = *e.tag;
    switch (t.modifier) {
    case ModifierAction::Latch:
        PressAndLatch(t.vk, t.id == TagId::Shift ? latches_->shift : latches_->ctrl);
        break;
    case ModifierAction::Toggle:
        if (latches_->alt) {
            latches_->alt = false;
            ports_.input.Key(t.vk, true);
        } else {
            PressAndLatch(t.vk, latches_->alt);
        }
        break;
    case ModifierAction::Down:
        ports_.input.Key(t.vk, false);
        break;
    case ModifierAction::Up:
        ports_.input.Key(t.vk, true);
        break;
    case ModifierAction::Tap:
        ports_.input.Key(t.vk, false);
        ports_.input.Key(t.vk, true);
        ReleaseLatches();
        break;
    case ModifierAction::None:
        break;
    }
}

void Player::Mouse(const Element& e) {
    if (mouseDelayOn_)
        WaitMs(mouseDelay_);
    const TagInfo& t = *e.tag;
    Input& in = ports_.input;
    if (t.id == TagId::WheelForward || t.id == TagId::WheelBackward) {
        in.Wheel(t.id == TagId::WheelForward ? e.Integer(0) : -e.Integer(0));
        return;
    }
    if (t.id == TagId::MoveScreen || t.id == TagId::MoveWindow) {
        const auto x = e.Real(0);
        const auto y = e.Real(2);
        if (!x || !y)
            return; // not a position: nothing to move to
        double left = 0;
        double top = 0;
        if (t.id == TagId::MoveWindow) {
            if (const auto r = ports_.windows.Rect(ports_.windows.Foreground())) {
                left = r->left;
                top = r->top;
            }
        }
        in.MoveTo(static_cast<int>(std::trunc(*x + left)), static_cast<int>(std::trunc(*y + top)));
        return;
    }
    const PointerButton b = t.button == MouseButton::Left    ? PointerButton::Left
                            : t.button == MouseButton::Right ? PointerButton::Right
                                                             : PointerButton::Middle;
    switch (t.mouse) {
    case MouseAction::Down:
        in.Button(b, false);
        break;
    case MouseAction::Up:
        in.Button(b, true);
        break;
    case MouseAction::DoubleClick:
        in.Button(b, false);
        in.Button(b, true);
        [[fallthrough]];
    case MouseAction::Click:
        in.Button(b, false);
        in.Button(b, true);
        break;
    case MouseAction::None:
        break;
    }
}

void Player::Wait(std::int64_t ms) {
    WaitUnscaled(ports_.pump, ports_.clock, ms);
}

void Player::WaitMs(double ms) {
    if (speedFactor_ == 0)
        return;
    Wait(static_cast<std::int64_t>(std::trunc(ms * speedFactor_)));
}

void Player::PauseFor(double seconds) {
    if (speedFactor_ == 0)
        return;
    Wait(static_cast<std::int64_t>(std::trunc(seconds * speedFactor_ * 1000.0)));
}

void Player::PauseForNoSpeed(double seconds) {
    Wait(static_cast<std::int64_t>(std::trunc(seconds * 1000.0)));
}

} // namespace kv
