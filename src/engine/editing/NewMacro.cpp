#include "engine/editing/NewMacro.h"
#include "engine/editing/ScriptCommands.h"

#include "engine/activation/HotKeys.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kv {
namespace {

std::string TrimText(const std::string& s) {
    return std::string(TrimBlanks(s));
}

// Alt+F6, Ctrl+Alt+F6, Alt+Shift+F6, Win+F1, Win+D, Win+E, Win+F, Win+M, Win+R, Win+Ctrl+F.
constexpr std::array<int, 10> kSystemReserved = {89, 185, 233, 590, 557, 558, 559, 566, 571, 607};

} // namespace

bool IsTypewordChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9'))
        return true;
    return b != 0 && std::strchr("!#$%&*+,-./;<=>?@^_", b) != nullptr;
}

std::optional<Refusal> CheckTypewordName(const std::string& name) {
    const std::string t = TrimText(name);
    if (t.empty())
        return Refusal{"No Typeword name was entered.", "Error"};
    if (!std::all_of(t.begin(), t.end(), IsTypewordChar))
        return Refusal{"The Typeword name has invalid characters in it.  Valid characters are "
                       "A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +",
                       "Error"};
    if (t.size() > kTypewordMax)
        return Refusal{"A Typeword name has at most 10 characters.  Please correct.", "Error"};
    return std::nullopt;
}

bool IsSystemReservedHotKey(int code) {
    return std::find(kSystemReserved.begin(), kSystemReserved.end(), code) != kSystemReserved.end();
}

std::string SystemReservedHotKeyQuestion(int code) {
    const std::string name = HotKeyName(code);
    return name + " may be used internally by Windows 95, 98 or NT. " +
           " This may cause the hot key not to function correctly." +
           " Would you still like to use " + name + "?";
}

std::optional<Refusal> HotKeyInUse(const SharedBlock& block, int code) {
    if (code < 0 || code >= kHotKeyCodes)
        return std::nullopt;
    for (int place = 1; place <= block.MacroCount(); ++place) {
        const auto scope = static_cast<Scope>(block.Scope(place));
        if (block.Activation(place) == code &&
            (scope == Scope::Global || scope == Scope::PopupMenu || scope == Scope::System))
            return Refusal{"The hot key \"" + HotKeyName(code) +
                               "\" is already in use by a macro.  If you wish to use this hot "
                               "key combination, you will first need to either remove or move "
                               "the macro which is assigned to it.",
                           "Error"};
    }
    return std::nullopt;
}

std::optional<Refusal> CheckNewMacro(const NewMacro& m, const SharedBlock& block) {
    if (block.MacroCount() >= kMaxMacros)
        return Refusal{"Maximum number of hot keys has been reached.  Add not allowed.", "Error"};
    if (m.kind == ActivationKind::Typeword) {
        if (auto bad = CheckTypewordName(m.typeword))
            return bad;
    }
    if (m.kind == ActivationKind::HotKey) {
        if (m.hotKey < 0 || m.hotKey >= kHotKeyCodes)
            return Refusal{"No hot key selected.  Please select one.", "Error"};
        if (m.scope == Scope::Global) {
            if (auto used = HotKeyInUse(block, m.hotKey))
                return used;
        }
    }
    if (m.scope == Scope::Window && TrimText(m.scopeName).empty())
        return Refusal{"No window title has been entered.  Please correct.", "Error"};
    if (m.scope == Scope::Program && TrimText(m.scopeName).empty())
        return Refusal{"No program name has been entered.  Please correct.", "Error"};
    return std::nullopt;
}

MacroRecord BuildNewMacro(const NewMacro& m, const DateTime& now) {
    MacroRecord r;
    r.nickname = m.nickname.substr(0, kNicknameMax);
    switch (m.kind) {
    case ActivationKind::HotKey:
        r.activation = static_cast<std::uint16_t>(m.hotKey);
        break;
    case ActivationKind::Typeword:
        r.activation = kActivationTypeword;
        r.typeword = TrimText(m.typeword).substr(0, kTypewordMax);
        break;
    case ActivationKind::Timed:
        r.activation = kActivationTimed;
        break;
    }
    r.scope = static_cast<std::uint16_t>(m.scope);
    if (m.scope == Scope::Window || m.scope == Scope::Program)
        r.scopeName = TrimText(m.scopeName).substr(0, kScopeNameMax);
    r.topMostOnly = m.topMostOnly ? 1 : 0;
    r.active = m.active ? 1 : 0;
    r.text = m.text.substr(0, kMaxMacroText);
    r.icon = m.icon.substr(0, kIconMax);
    r.schedule = ScheduleBlock::Default(now);
    r.lastModified = ToDayCount(now);
    return r;
}

} // namespace kv
