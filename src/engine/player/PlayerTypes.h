#pragma once
// What the player works with: the ports it drives and the dispatch state it shares with
// the hot key, Typeword and popup-menu handlers.

#include "engine/ports/Clock.h"
#include "engine/ports/Desktop.h"
#include "engine/ports/EventPump.h"
#include "engine/ports/Files.h"
#include "engine/ports/Input.h"
#include "engine/ports/PlayDialogs.h"
#include "engine/ports/Windows.h"

#include <cstdint>
#include <string>

namespace kv {

struct PlayerPorts {
    Input& input;
    Windows& windows;
    Desktop& desktop;
    Files& files;
    EventPump& pump;
    const Clock& clock;
    PlayDialogs& dialogs;
    AppWindow& app;
};

// Owned by dispatch; the player reads it and updates the target window and the flags.
struct DispatchState {
    WindowId target = 0;         // the window the macro plays into
    int currentPlace = 0;        // the playing macro's place, 0 for none
    std::string currentNickname; // shown by the Pause box
    std::uint16_t currentActivation = 0;
    bool capsLock = false;   // Caps Lock was on when the macro started
    bool paused = false;     // the Pause box is open
    bool popupShown = false; // a popup menu is open
    bool onTopMessageOpen = false;
    bool repeatPromptOpen = false;
};

// Virtual keys the player presses itself.
namespace vk {
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kMenu = 0x12; // Alt
inline constexpr std::uint8_t kCapital = 0x14;
inline constexpr std::uint8_t kLeftWin = 0x5B;
inline constexpr std::uint8_t kNumpad0 = 0x60;
inline constexpr std::uint8_t kExecute = 0x2B; // the end-of-playback marker
inline constexpr std::uint8_t kUnknown = 0xFF; // a character the layout cannot type
} // namespace vk

} // namespace kv
