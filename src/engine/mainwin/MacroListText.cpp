#include "engine/mainwin/MacroListText.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"

namespace kv {

std::string ActivationText(std::uint16_t activation, const std::string& typeword) {
    if (activation == kActivationTimed)
        return "Timed Macro";
    if (activation == kActivationTypeword)
        return typeword;
    return HotKeyName(activation);
}

std::string ScopeText(std::uint16_t scope, const std::string& scopeName) {
    switch (static_cast<Scope>(scope)) {
    case Scope::Global:
        return "GLOBAL";
    case Scope::PopupMenu:
        return "Popup Menu";
    case Scope::System:
        return "SYSTEM";
    case Scope::Program:
        return "Program: " + scopeName;
    default:
        return "Window: " + scopeName;
    }
}

} // namespace kv
