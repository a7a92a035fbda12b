#pragma once
// Adding a macro: the checks that the add dialog and the editors make before a new macro
// is written, and the record they build. kvn add uses the same rules.

#include "engine/core/DateTime.h"
#include "engine/core/Limits.h"
#include "engine/core/MacroRecord.h"
#include "engine/core/SharedBlock.h"

#include <optional>
#include <string>

namespace kv {

enum class ActivationKind { HotKey, Typeword, Timed };

struct NewMacro {
    std::string nickname;
    ActivationKind kind = ActivationKind::HotKey;
    int hotKey = 0;       // kind HotKey: code 0..726
    std::string typeword; // kind Typeword
    Scope scope = Scope::Global;
    std::string scopeName; // Window or Program scope
    bool topMostOnly = true;
    std::string text;
    std::string icon = "MAIN";
    bool active = true;
};

// A refusal with the message box's exact text and caption.
struct Refusal {
    std::string text;
    std::string caption;
};

bool IsTypewordChar(char c);

// The Typeword name check of the editors: not empty once trimmed, and only Typeword
// characters.
std::optional<Refusal> CheckTypewordName(const std::string& name);

// The hot keys that the system itself may use, for which the editors ask before accepting.
bool IsSystemReservedHotKey(int code);
// The question asked for such a hot key (Yes keeps it).
std::string SystemReservedHotKeyQuestion(int code);

// Every check of adding `m` to the file whose tables `block` holds, in the dialogs' order.
// A hot key that a GLOBAL, Popup Menu or SYSTEM macro already has: the message saying so,
// or nothing when no such macro has it.
std::optional<Refusal> HotKeyInUse(const SharedBlock& block, int code);

// A GLOBAL macro cannot take a hot key that a GLOBAL, Popup Menu or SYSTEM macro already
// uses: the editors force such a macro to a window scope.
std::optional<Refusal> CheckNewMacro(const NewMacro& m, const SharedBlock& block);

// The record of a new macro, stamped `now`, with the default schedule.
MacroRecord BuildNewMacro(const NewMacro& m, const DateTime& now);

} // namespace kv
