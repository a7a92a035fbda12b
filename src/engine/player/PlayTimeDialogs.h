#pragma once
// The Pause box, the repeat prompt and the on-top message: when they appear, with which
// texts and geometry, and how Keyvane's own windows move around them.

#include "engine/core/Settings.h"
#include "engine/player/PlayerTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

// The repeat prompt's check: blanks trimmed, a decimal integer with an optional sign, taken
// as a 16-bit count (so -1 is 65535). Anything else is refused.
std::optional<std::uint16_t> ParseRepeatCount(std::string_view text);
inline constexpr const char* kInvalidRepeatCount = "Invalid numeric value entered.  Please Correct";

// Where the Pause box goes and how tall it is: centred without a message (`atTag` false),
// else at the tag's place, moved up and left so that it stays on the screen.
PauseBoxLayout PauseBoxGeometry(bool atTag, int top, int left, std::string_view message,
                                ScreenSize screen);

class PlayTimeDialogs {
public:
    PlayTimeDialogs(PlayerPorts ports, const Settings& settings, DispatchState& dispatch);

    // True for Resume, false for Abort. Sets RestoreMain (and MainWasIconic) for the end
    // of the playback.
    bool ShowPauseBox(PauseBoxLayout layout);
    // Closes the open Pause box as Resume does (the paused macro's hot key).
    void ResumePause() { ports_.dialogs.ResumePauseBox(); }
    std::uint16_t DoRepPrompt();
    // Does nothing while another on-top message is open: messages do not stack.
    void DoAMessage(std::string_view caption, std::string_view message);

    bool restoreMain = false;
    bool mainWasIconic = false;

private:
    struct Hidden {
        WindowId foreground = 0;
        bool mainWasVisible = false;
    };
    Hidden MoveMainAside();
    void BringMainBack(const Hidden& h);

    PlayerPorts ports_;
    const Settings& settings_;
    DispatchState& dispatch_;
};

} // namespace kv
