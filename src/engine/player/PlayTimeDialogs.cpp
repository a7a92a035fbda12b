#include "engine/player/PlayTimeDialogs.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"

#include <algorithm>
#include <charconv>

namespace kv {

std::optional<std::uint16_t> ParseRepeatCount(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.front() == '+')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

PauseBoxLayout PauseBoxGeometry(bool atTag, int top, int left, std::string_view message,
                                ScreenSize screen) {
    PauseBoxLayout b;
    b.message = std::string(message);
    const int length = static_cast<int>(message.size());
    b.messageHeight = length > 0 ? (length / 30 + 1) * 19 : 0;
    b.height = 94 + b.messageHeight;
    if (!atTag) {
        b.top = (screen.height - 94) / 2;
        b.left = (screen.width - 224) / 2;
        return b;
    }
    b.top = std::min(top, screen.height - b.height);
    b.left = std::min(left, screen.width - 224);
    return b;
}

PlayTimeDialogs::PlayTimeDialogs(PlayerPorts ports, const Settings& settings,
                                 DispatchState& dispatch)
    : ports_(ports), settings_(settings), dispatch_(dispatch) {}

bool PlayTimeDialogs::ShowPauseBox(PauseBoxLayout layout) {
    restoreMain = true;
    if (settings_.useTray) {
        ports_.app.ShowApplicationWindow();
    } else {
        if (ports_.app.IsApplicationMinimized()) {
            ports_.app.RestoreApplication();
            mainWasIconic = true;
        }
        ports_.app.HideMainWindow();
    }
    layout.title = dispatch_.currentNickname;
    const auto a = dispatch_.currentActivation;
    layout.caption = a != kActivationTimed && a != kActivationTypeword
                         ? "Pause (" + HotKeyName(a) + ")"
                         : std::string("Pause");
    dispatch_.paused = true;
    const bool resume = ports_.dialogs.RunPauseBox(layout, dispatch_.target);
    dispatch_.paused = false;
    if (settings_.useTray)
        ports_.app.HideApplicationWindow();
    else if (dispatch_.target)
        ports_.windows.Activate(dispatch_.target);
    // The main window stays hidden until the playback ends.
    return resume;
}

PlayTimeDialogs::Hidden PlayTimeDialogs::MoveMainAside() {
    Hidden h;
    if (settings_.useTray) {
        ports_.app.ShowApplicationWindow();
        return h;
    }
    h.foreground = ports_.windows.Foreground();
    if (ports_.app.IsApplicationMinimized())
        ports_.app.RestoreApplication();
    h.mainWasVisible = ports_.app.IsMainWindowVisible();
    ports_.app.HideMainWindow();
    return h;
}

void PlayTimeDialogs::BringMainBack(const Hidden& h) {
    if (settings_.useTray) {
        ports_.app.HideApplicationWindow();
        return;
    }
    // Only a window that was showing comes back: a hidden Keyvane stays out of the way.
    if (h.mainWasVisible)
        ports_.app.ShowMainWindow();
    if (h.foreground)
        ports_.windows.Activate(h.foreground);
}

std::uint16_t PlayTimeDialogs::DoRepPrompt() {
    const Hidden h = MoveMainAside();
    dispatch_.repeatPromptOpen = true;
    const std::uint16_t count = ports_.dialogs.RunRepeatPrompt();
    dispatch_.repeatPromptOpen = false;
    BringMainBack(h);
    return count;
}

void PlayTimeDialogs::DoAMessage(std::string_view caption, std::string_view message) {
    if (dispatch_.onTopMessageOpen)
        return;
    const Hidden h = MoveMainAside();
    dispatch_.onTopMessageOpen = true;
    ports_.dialogs.RunOnTopMessage(caption, message);
    dispatch_.onTopMessageOpen = false;
    BringMainBack(h);
}

} // namespace kv
