#include "engine/editing/AddMacro.h"

#include "engine/core/Limits.h"
#include "engine/core/MacroRecord.h"
#include "engine/editing/ScriptCommands.h"

namespace kv {

std::vector<std::string> HotKeyListEntries(const SharedBlock& block) {
    std::array<int, kKeyHotKeyCodes> uses{};
    for (int place = 1; place <= block.MacroCount(); ++place) {
        const int code = block.Activation(place);
        if (code >= 0 && code < kKeyHotKeyCodes)
            ++uses[static_cast<std::size_t>(code)];
    }
    std::vector<std::string> entries;
    entries.reserve(kKeyHotKeyCodes);
    for (int code = 0; code < kKeyHotKeyCodes; ++code) {
        const int n = uses[static_cast<std::size_t>(code)];
        entries.push_back(HotKeyName(code) + (n == 0 ? "  (Not in Use)"
                                              : n == 1
                                                  ? "  (1 macro in use)"
                                                  : "  (" + std::to_string(n) + " macros in use)"));
    }
    return entries;
}

std::array<bool, kKeyHotKeyCodes> WindowScopeForcedTable(const SharedBlock& block) {
    std::array<bool, kKeyHotKeyCodes> forced{};
    for (int place = 1; place <= block.MacroCount(); ++place) {
        const int code = block.Activation(place);
        const auto scope = static_cast<Scope>(block.Scope(place));
        if (code >= 0 && code < kKeyHotKeyCodes &&
            (scope == Scope::Global || scope == Scope::PopupMenu || scope == Scope::System))
            forced[static_cast<std::size_t>(code)] = true;
    }
    return forced;
}

std::optional<Refusal> CheckAddChoice(const AddChoice& choice, const SharedBlock& block) {
    const bool usesHotKey = choice.kind == AddKind::HotKey || choice.kind == AddKind::PopupMenu;
    if (usesHotKey && (choice.hotKey < 0 || choice.hotKey >= kKeyHotKeyCodes))
        return Refusal{"No hot key selected.  Please select one.", "Error"};
    if (choice.kind == AddKind::Typeword && TrimBlanks(choice.typeword).empty())
        return Refusal{"No Typeword name entered.", "Error"};
    if (choice.kind == AddKind::PopupMenu) {
        bool anyMacro = false;
        for (int place = 1; place <= block.MacroCount() && !anyMacro; ++place)
            anyMacro = block.Scope(place) != static_cast<unsigned>(Scope::System);
        if (!anyMacro)
            return Refusal{"No macros have been defined yet.  A popup menu is created with "
                           "existing macros.",
                           "Error"};
        if (WindowScopeForcedTable(block)[static_cast<std::size_t>(choice.hotKey)])
            return Refusal{"Selected Hot Key is already either a GLOBAL or Popup Menu Hot Key.  "
                           "Hot Key cannot be added.",
                           "Error"};
    }
    return std::nullopt;
}

AddedActivation ActivationOf(const AddChoice& choice) {
    switch (choice.kind) {
    case AddKind::Timed:
        return {kActivationTimed, {}};
    case AddKind::Typeword:
        return {kActivationTypeword,
                std::string(TrimBlanks(choice.typeword)).substr(0, kTypewordMax)};
    default:
        return {static_cast<std::uint16_t>(choice.hotKey), {}};
    }
}

} // namespace kv
