#include "engine/activation/Dispatch.h"

#include "engine/core/Ansi.h"

namespace kv {

Dispatch::Dispatch(const Settings& settings, SharedBlock& block, MacroFile& file, Player& player,
                   DispatchState& state, DispatchHost& host, Input& input, Windows& windows)
    : settings_(settings), block_(block), file_(file), player_(player), state_(state), host_(host),
      input_(input), windows_(windows) {}

void Dispatch::Warn(const char* text) {
    player_.Dialogs().DoAMessage("Warning", text);
}

void Dispatch::OnHotKey(const HotKeyMessage& m) {
    if (state_.popupShown)
        return Warn(warning::kPopupShown);
    if (block_.CaptureFlag())
        return Warn(warning::kCapturing);
    if (m.wParam & kDirectBit)
        return RunMacro(m.wParam & ~(kDirectBit | kDirectExtraBit));

    const auto code = static_cast<std::uint16_t>(m.wParam & ~kCapsLockBit);
    if (state_.paused) {
        bool resumes = false;
        for (int place = 1; place <= block_.MacroCount() && !resumes; ++place) {
            resumes = block_.Scope(place) == static_cast<unsigned>(Scope::System) &&
                      block_.Activation(place) == code && block_.ScopeName(place).starts_with('3');
        }
        if (resumes || GetMacro(code) == state_.currentPlace) {
            if (m.wParam & kCapsLockBit) {
                input_.Key(vk::kCapital, false);
                input_.Key(vk::kCapital, true);
            }
            player_.Dialogs().ResumePause();
            return;
        }
        return Warn(warning::kPaused);
    }

    // The Caps Lock state belongs to the playback under way, if there is one.
    if (!block_.Playing())
        state_.capsLock = (m.wParam & kCapsLockBit) != 0;
    state_.target = m.window;

    for (int place = 1; place <= block_.MacroCount(); ++place) {
        if (block_.Scope(place) != static_cast<unsigned>(Scope::System) ||
            block_.Activation(place) != code)
            continue;
        // The first SYSTEM macro on this key decides, and the key is spent either way.
        const std::string digit = block_.ScopeName(place).substr(0, 1);
        if (digit == "1")
            ActivateMe();
        else if (digit == "2")
            host_.StartACapture();
        else if (digit == "4")
            host_.MenuTopWindow();
        return;
    }
    RunMacro(GetMacro(code));
}

int Dispatch::GetMacro(std::uint16_t code) {
    const int count = block_.MacroCount();
    if (const WindowId fg = windows_.Foreground()) {
        const std::string title = AnsiUpper(windows_.Title(fg));
        // Keyvane's own Pause box in front: no window-scoped macro is meant for it.
        if (title.find("PAUSE (") == std::string::npos) {
            std::string program;
            bool programKnown = false;
            for (int place = 1; place <= count; ++place) {
                if (block_.Activation(place) != code || !block_.Active(place))
                    continue;
                const auto scope = static_cast<Scope>(block_.Scope(place));
                const std::string name = AnsiUpper(block_.ScopeName(place));
                bool match = false;
                if (scope == Scope::Window) {
                    match = title.find(name) != std::string::npos;
                } else if (scope == Scope::Program) {
                    if (!programKnown) {
                        program = AnsiUpper(player_.Finder().GetTopProgram());
                        programKnown = true;
                    }
                    match = !program.empty() && program.find(name) != std::string::npos;
                }
                if (match) {
                    state_.target = fg;
                    return place;
                }
            }
        }
    }
    const auto plain = static_cast<std::uint16_t>(code & ~kCapsLockBit);
    int global = 0;
    for (int place = 1; place <= count; ++place) {
        // A switched-off macro never plays, even when another one shares its key.
        if (block_.Activation(place) != plain || !block_.Active(place))
            continue;
        const auto scope = static_cast<Scope>(block_.Scope(place));
        if (scope == Scope::Global || scope == Scope::PopupMenu || scope == Scope::System) {
            global = place;
        } else if (!block_.TopMostOnly(place)) {
            const std::string name = block_.ScopeName(place);
            const bool found = scope == Scope::Program ? player_.Finder().ActivateProg(name)
                                                       : player_.Finder().ActivateIt(name);
            if (found)
                return place;
        }
    }
    return global;
}

void Dispatch::RunMacro(int place) {
    // A menu may hold itself, or a menu that holds it: each choice of one opens the next,
    // up to a depth no person reaches on purpose.
    for (int menus = 0; place > 0;) {
        MacroRecord rec;
        if (!file_.ReadMacroRecord(place, rec))
            return;
        state_.currentPlace = place;
        if (rec.scope != static_cast<unsigned>(Scope::PopupMenu)) {
            PlayRecord(rec, place);
            return;
        }
        if (++menus > kMaxNestedMenus)
            return;
        state_.popupShown = true;
        const int chosen = host_.ShowPopupMenu(place);
        state_.popupShown = false;
        if (state_.target)
            state_.target = player_.Finder().MakeSureItsAParent(state_.target);
        if (state_.target)
            windows_.Activate(state_.target);
        // A chosen macro runs the same way, so a chosen popup menu shows its own menu.
        place = chosen;
    }
}

void Dispatch::PlayRecord(const MacroRecord& rec, int place) {
    state_.currentPlace = place;
    state_.currentNickname = rec.nickname;
    state_.currentActivation = rec.activation;
    block_.SetPlaying(true);
    if (beforePlay)
        beforePlay();
    player_.IntoProgram(rec.text);
    input_.Key(vk::kExecute, false);
    input_.Key(vk::kExecute, true);
}

const char* Dispatch::TryText(const std::string& text, const std::string& nickname, WindowId target,
                              bool capsLock) {
    if (const char* refused = Refusal())
        return refused;
    state_.capsLock = capsLock;
    state_.target = target;
    if (target)
        windows_.Activate(target);
    MacroRecord rec;
    rec.nickname = nickname;
    rec.text = text;
    PlayRecord(rec, 0);
    return nullptr;
}

const char* Dispatch::Refusal() const {
    if (state_.paused)
        return warning::kPaused;
    if (state_.popupShown)
        return warning::kPopupShown;
    if (block_.CaptureFlag())
        return warning::kCapturing;
    return nullptr;
}

WindowId FrontWindowBesides(Windows& windows, int ownProcess) {
    for (WindowId w : windows.TopLevelWindows()) {
        if (windows.ProcessOf(w) != ownProcess && !windows.IsMinimized(w))
            return w;
    }
    return 0;
}

void Dispatch::ActivateMe() {
    if (state_.paused)
        return player_.Dialogs().DoAMessage(
            "Warning", "A current playback macro is in the middle of a PAUSE. Keyvane cannot be "
                       "invoked until the PAUSE is either cancelled or resumed.");
    if (state_.popupShown)
        return player_.Dialogs().DoAMessage(
            "Warning", "A Keyvane Popup Menu is currently being displayed. Keyvane cannot be "
                       "invoked until this menu has been cleared.");
    if (block_.CaptureFlag())
        return player_.Dialogs().DoAMessage("Warning",
                                            "A macro is currently being recorded. Keyvane cannot "
                                            "be invoked until the recording is completed.");
    host_.ShowMainWindow();
}

} // namespace kv
