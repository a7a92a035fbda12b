#pragma once
// What the scripting editor and the direct editor share about the macro they edit: the
// state their caller gives them, how a new record starts, the window caption, and the
// properties written back when the user accepts.

#include "engine/core/DateTime.h"
#include "engine/core/MacroRecord.h"
#include "engine/core/SharedBlock.h"
#include "engine/editing/AddMacro.h"
#include "engine/editing/EditorMessage.h"

#include <optional>
#include <string>

namespace kv {

// The activation kinds the editors know: 1 hot key, 2 Timed Macro, 3 Typeword.
enum class EditorKind { HotKey = 1, Timed = 2, Typeword = 3 };

struct EditorState {
    bool existing = false; // an existing macro is modified
    EditorKind kind = EditorKind::HotKey;
    bool windowScopeForced = false; // the hot key may only be used with a window scope
    std::string header;             // the hot key's name, or the Typeword name
};

// For a new macro of the add dialog's choice (not a popup menu).
EditorState NewMacroEditor(const AddChoice& choice, const SharedBlock& block);
// For the existing macro at `place`. Its conflict flag: another macro has the same hot key
// with GLOBAL, Popup Menu or SYSTEM scope.
EditorState ExistingMacroEditor(const MacroRecord& rec, int place, const SharedBlock& block);

// A new macro's record as the editors start it: no nickname, GLOBAL with no scope name, top
// most only, the default schedule, the program's icon; activation and Typeword from the
// add dialog.
void StartNewRecord(MacroRecord& rec, const AddChoice& choice, const DateTime& today);

// The scope as the editors' radio buttons show it.
enum class EditorScope { Global = 1, Window = 2, Program = 3 };
EditorScope ScopeOf(const MacroRecord& rec);

// `DoCaption`: title + "  (Program: NAME)", "  (Window Title: NAME)" or "  (GLOBAL)".
std::string EditorCaption(const std::string& title, EditorScope scope,
                          const std::string& scopeName);

// What the user set beside the text.
struct EditorProperties {
    std::string nickname;
    EditorScope scope = EditorScope::Global;
    std::string typeword; // as typed (Typeword macros)
    std::string icon = "MAIN";
};

// The Typeword check for kind 3 (the message, and the focus goes to the Typeword box).
std::optional<EditorMessage> CheckProperties(const EditorState& state,
                                             const EditorProperties& props);
// Writes the properties and the stamp into the record, as "&Ok" / "&Update" do after the
// checks; the text is the caller's.
void WriteProperties(MacroRecord& rec, const EditorState& state, const EditorProperties& props,
                     const DateTime& now);

} // namespace kv
