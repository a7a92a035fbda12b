#include "engine/editing/MacroEditor.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "engine/editing/IconChoice.h"
#include "engine/editing/ScriptCommands.h"

namespace kv {
namespace {

EditorKind KindOf(unsigned activation) {
    return activation == kActivationTimed      ? EditorKind::Timed
           : activation == kActivationTypeword ? EditorKind::Typeword
                                               : EditorKind::HotKey;
}

} // namespace

EditorState NewMacroEditor(const AddChoice& choice, const SharedBlock& block) {
    EditorState s;
    s.kind = choice.kind == AddKind::Timed      ? EditorKind::Timed
             : choice.kind == AddKind::Typeword ? EditorKind::Typeword
                                                : EditorKind::HotKey;
    if (s.kind == EditorKind::HotKey && choice.hotKey >= 0 && choice.hotKey < kKeyHotKeyCodes) {
        s.windowScopeForced =
            WindowScopeForcedTable(block)[static_cast<std::size_t>(choice.hotKey)];
        s.header = HotKeyName(choice.hotKey);
    } else if (s.kind == EditorKind::Typeword) {
        s.header = ActivationOf(choice).typeword;
    }
    return s;
}

EditorState ExistingMacroEditor(const MacroRecord& rec, int place, const SharedBlock& block) {
    EditorState s;
    s.existing = true;
    s.kind = KindOf(rec.activation);
    if (s.kind == EditorKind::HotKey) {
        s.header = HotKeyName(rec.activation);
        for (int p = 1; p <= block.MacroCount() && !s.windowScopeForced; ++p) {
            const auto scope = static_cast<Scope>(block.Scope(p));
            s.windowScopeForced =
                p != place && block.Activation(p) == rec.activation &&
                (scope == Scope::Global || scope == Scope::PopupMenu || scope == Scope::System);
        }
    } else if (s.kind == EditorKind::Typeword) {
        s.header = rec.typeword;
    }
    return s;
}

void StartNewRecord(MacroRecord& rec, const AddChoice& choice, const DateTime& today) {
    rec = MacroRecord{};
    const AddedActivation a = ActivationOf(choice);
    rec.activation = a.activation;
    rec.typeword = a.typeword;
    rec.scope = static_cast<std::uint16_t>(Scope::Global);
    rec.topMostOnly = 1;
    rec.schedule = ScheduleBlock::Default(today);
    rec.icon = std::string(kProgramIconName);
}

EditorScope ScopeOf(const MacroRecord& rec) {
    return rec.scope == 1   ? EditorScope::Global
           : rec.scope == 2 ? EditorScope::Window
                            : EditorScope::Program;
}

std::string EditorCaption(const std::string& title, EditorScope scope,
                          const std::string& scopeName) {
    switch (scope) {
    case EditorScope::Program:
        return title + "  (Program: " + scopeName + ")";
    case EditorScope::Window:
        return title + "  (Window Title: " + scopeName + ")";
    default:
        return title + "  (GLOBAL)";
    }
}

std::optional<EditorMessage> CheckProperties(const EditorState& state,
                                             const EditorProperties& props) {
    if (state.kind != EditorKind::Typeword)
        return std::nullopt;
    if (auto bad = CheckTypewordName(props.typeword))
        return EditorMessage{bad->text, bad->caption};
    return std::nullopt;
}

void WriteProperties(MacroRecord& rec, const EditorState& state, const EditorProperties& props,
                     const DateTime& now) {
    if (!state.existing)
        rec.active = 1;
    rec.lastModified = ToDayCount(now);
    rec.nickname = props.nickname.substr(0, 50);
    rec.icon = props.icon;
    rec.scope = static_cast<std::uint16_t>(props.scope);
    rec.typeword = state.kind == EditorKind::Typeword
                       ? std::string(TrimBlanks(props.typeword)).substr(0, kTypewordMax)
                       : std::string();
}

} // namespace kv
