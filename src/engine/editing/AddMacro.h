#pragma once
// `TAddNewHotKey` ("Add Macro") without its window: the hot key list with how many macros
// use each key, which keys force a new macro to a window scope, and the checks made before
// an editor opens for the new macro.

#include "engine/activation/HotKeys.h"
#include "engine/core/SharedBlock.h"
#include "engine/editing/NewMacro.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kv {

// The four kinds of macro the dialog offers, in its order.
enum class AddKind { HotKey, Typeword, Timed, PopupMenu };

// Every key hot key's name followed by "  (Not in Use)", "  (1 macro in use)" or
// "  (N macros in use)", indexed by hot key code.
std::vector<std::string> HotKeyListEntries(const SharedBlock& block);

// Per key hot key: a GLOBAL, Popup Menu or SYSTEM macro has it, so a new macro on it can
// only be for a window or a program.
std::array<bool, kKeyHotKeyCodes> WindowScopeForcedTable(const SharedBlock& block);

struct AddChoice {
    AddKind kind = AddKind::HotKey;
    int hotKey = -1;      // the selected hot key, -1 for none
    std::string typeword; // as typed
};

// The checks of "Enter Directly", "Capture Macro" and "Scripting Editor" (and, for a popup
// menu, "Build Menu") before the editor opens; the reserved-key question is asked apart,
// after these pass (IsSystemReservedHotKey).
std::optional<Refusal> CheckAddChoice(const AddChoice& choice, const SharedBlock& block);

// What the new macro's record starts with: the activation code (10000 timed, 20000
// Typeword, else the hot key) and the Typeword name (trimmed, at most 10 characters).
struct AddedActivation {
    std::uint16_t activation = 0;
    std::string typeword;
};
AddedActivation ActivationOf(const AddChoice& choice);

} // namespace kv
