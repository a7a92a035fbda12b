// The command tags: flow, timing, windows, programs, the clipboard, files and sounds.

#include "engine/player/Player.h"

#include <algorithm>

namespace kv {
namespace {

// What "<CLIPF:" and "<TFILE:" take from a file: its bytes up to the first NUL, without a
// final end-of-file mark.
std::string TextFileContents(std::string bytes) {
    if (!bytes.empty() && bytes.back() == '\x1A')
        bytes.pop_back();
    if (const auto nul = bytes.find('\0'); nul != std::string::npos)
        bytes.resize(nul);
    return bytes;
}

// The raw characters of a fixed field, as written in the text.
std::string_view RawField(const Element& e, std::string_view text, std::size_t field) {
    const TagField& f = e.tag->fields[field];
    return text.substr(e.start + static_cast<std::size_t>(f.offset),
                       static_cast<std::size_t>(f.width));
}

constexpr std::chrono::milliseconds kLaunchWait{30000};
constexpr std::chrono::milliseconds kLaunchRetry{50};

} // namespace

Player::Step Player::Command(const Element& e, std::string_view text, std::size_t& next) {
    (void)next;
    Input& in = ports_.input;
    switch (e.tag->id) {
    case TagId::Delay:
        if (const auto s = e.Real(0))
            PauseFor(*s);
        return Step::Next;
    case TagId::Msd:
        WaitMs(e.Integer(0));
        return Step::Next;
    case TagId::Speed:
        if (const auto f = e.Real(0))
            speedFactor_ = *f;
        return Step::Next;
    case TagId::SpKey:
        keyDelay_ = e.Integer(0);
        keyDelayOn_ = keyDelay_ != 0;
        return Step::Next;
    case TagId::SpMse:
        mouseDelay_ = e.Integer(0);
        mouseDelayOn_ = mouseDelay_ != 0;
        return Step::Next;
    case TagId::AltCode:
    case TagId::Alt4Code:
        if (keyDelayOn_)
            WaitMs(keyDelay_);
        TypeAltCode(RawField(e, text, 0));
        return Step::Next;
    case TagId::Repeat:
    case TagId::PromptRep:
        return Repeat(e, text);
    case TagId::Counter1:
    case TagId::Counter2:
    case TagId::Counter3:
    case TagId::Counter4:
        Counter(e);
        return Step::Next;
    case TagId::Pause:
    case TagId::PauseAt:
        return Pause(e);
    case TagId::ClipCopy:
        in.Key(vk::kControl, false);
        in.Key('C', false);
        in.Key('C', true);
        in.Key(vk::kControl, true);
        return Step::Next;
    case TagId::ClipPaste:
        in.Key(vk::kControl, false);
        in.Key('V', false);
        in.Key('V', true);
        in.Key(vk::kControl, true);
        Wait(100);
        return Step::Next;
    case TagId::ClipFile:
        if (auto bytes = ports_.files.Read(e.Text(0))) {
            ports_.desktop.SetClipboardText(TextFileContents(std::move(*bytes)));
            Wait(50);
        }
        return Step::Next;
    case TagId::BegClip:
        // Without an "<ENDCLIP>" the tag is ignored and the rest plays as written.
        if (e.clipClosed) {
            ports_.desktop.SetClipboardText(e.Text(0).substr(0, e.Text(0).find('\0')));
            Wait(50);
        }
        return Step::Next;
    case TagId::TFile:
        if (fileNesting_ >= kMaxFileNesting)
            return Step::EndWalk;
        if (auto bytes = ports_.files.Read(e.Text(0))) {
            ++fileNesting_;
            DoMacro(TextFileContents(std::move(*bytes)));
            --fileNesting_;
        }
        return Step::Next;
    case TagId::ChDir:
        ports_.files.ChangeDirectory(e.Text(0));
        return Step::Next;
    case TagId::DelFile:
        ports_.files.Delete(e.Text(0));
        return Step::Next;
    case TagId::CopyFile:
        ports_.files.Copy(e.Text(0), e.Text(1));
        return Step::Next;
    case TagId::RenFile:
        ports_.files.Rename(e.Text(0), e.Text(1));
        return Step::Next;
    case TagId::Http:
    case TagId::Ftp:
        ports_.desktop.OpenAddress(e.Text(0));
        return Step::Next;
    case TagId::Wav1:
        ports_.desktop.PlaySound(e.Text(0), true);
        return Step::Next;
    case TagId::Wav2:
        ports_.desktop.PlaySound(e.Text(0), false);
        return Step::Next;
    case TagId::Beep:
        ports_.desktop.Beep();
        return Step::Next;
    case TagId::Swap:
        ports_.app.SwapMacroFile(e.Text(0));
        return Step::Next;
    case TagId::Activate:
        // A window that is not there ends this text: what follows was meant for it.
        return finder_.ActivateIt(e.Text(0)) ? Step::Next : Step::EndWalk;
    case TagId::Launch:
        ports_.desktop.Launch(e.Text(0), e.Text(1));
        return Step::Next;
    case TagId::LaunchNo:
        return Launch(e, false);
    case TagId::LaunchYes:
        return Launch(e, true);
    case TagId::WMax:
    case TagId::WMin:
    case TagId::WCls:
    case TagId::WRes:
    case TagId::WShow:
    case TagId::WHide:
    case TagId::WShut:
    case TagId::WSize:
    case TagId::WPos:
        return WindowCommand(e);
    default:
        return Step::Next; // remarks, <TEST>, and the ends of blocks reached on their own
    }
}

Player::Step Player::WindowCommand(const Element& e) {
    const std::size_t titleField = e.tag->fields.size() - 1;
    const std::string& title = e.Text(titleField);
    if (title.empty())
        return Step::Next;
    Windows& w = ports_.windows;
    WindowId id = 0;
    if (title == kCurrentTitle)
        id = w.Foreground();
    else if (!finder_.GetWinHandle(title, id))
        id = 0;
    if (id == 0)
        return Step::Next;
    switch (e.tag->id) {
    case TagId::WMax:
        w.Maximize(id);
        break;
    case TagId::WMin:
        w.Minimize(id);
        break;
    case TagId::WCls:
        w.Close(id);
        break;
    case TagId::WRes:
        w.Restore(id);
        break;
    case TagId::WShow:
        w.Show(id);
        break;
    case TagId::WHide:
        w.Hide(id);
        break;
    case TagId::WShut:
        w.Quit(id);
        break;
    case TagId::WSize:
        w.Resize(id, e.Integer(0), e.Integer(2));
        break;
    case TagId::WPos:
        w.Move(id, e.Integer(0), e.Integer(2));
        break;
    default:
        break;
    }
    return Step::Next;
}

Player::Step Player::Launch(const Element& e, bool activateFirst) {
    const int seconds = e.Integer(0);
    const std::string& title = e.Text(1);
    launchTitle_ = title.substr(0, 30);
    if (activateFirst && finder_.ActivateIt(title))
        return Step::Next;
    ports_.desktop.Launch(e.Text(2), e.Text(3));
    // Wait for the program's window, looking again whenever events have been handled and
    // at least every kLaunchRetry; never longer than kLaunchWait.
    const auto start = ports_.clock.Ticks();
    for (;;) {
        if (finder_.ActivateIt(launchTitle_)) {
            PauseForNoSpeed(seconds);
            return Step::Next;
        }
        const auto waited = ports_.clock.Ticks() - start;
        if (waited >= kLaunchWait)
            return Step::EndWalk;
        ports_.pump.ProcessPending();
        ports_.pump.WaitFor(std::min(kLaunchRetry, kLaunchWait - waited));
    }
}

Player::Step Player::Repeat(const Element& e, std::string_view text) {
    if (inRepeat_)
        return Step::Next; // inside a running body: played as part of it
    const int count = e.tag->id == TagId::Repeat ? e.Integer(0) : dialogs_.DoRepPrompt();
    repCount_ = count;
    const TagInfo& end = TagFor(TagId::EndRep);
    const std::size_t bodyEnd = text.find(end.spelling, e.End());
    if (bodyEnd == std::string_view::npos)
        return Step::Next;
    const std::string body(text.substr(e.End(), bodyEnd - e.End()));
    inRepeat_ = true;
    repCounter_ = 0;
    counterPending_ = false;
    for (int pass = 1; pass < count; ++pass) {
        ++repCounter_;
        DoMacro(body);
        if (Stopped())
            break;
    }
    inRepeat_ = false;
    ++repCounter_;
    counterPending_ = true;
    // The last pass is the body in place, so the walk simply goes on after the tag.
    return Stopped() ? Step::EndWalk : Step::Next;
}

void Player::Counter(const Element& e) {
    if (!inRepeat_ && !counterPending_)
        return;
    counterPending_ = false;
    std::string digits = std::to_string(repCounter_);
    const auto width = static_cast<std::size_t>(e.tag->counterDigits);
    if (width > 1 && digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    DoMacro(digits);
}

Player::Step Player::Pause(const Element& e) {
    const bool atTag = e.tag->id == TagId::PauseAt;
    PauseBoxLayout layout =
        PauseBoxGeometry(atTag, atTag ? e.Integer(0) : 0, atTag ? e.Integer(2) : 0,
                         atTag ? e.Text(3) : "", ports_.input.Screen());
    if (dialogs_.ShowPauseBox(std::move(layout)))
        return Step::Next;
    pauseAborted_ = true;
    return Step::EndWalk;
}

} // namespace kv
