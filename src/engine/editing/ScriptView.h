#pragma once
// The script view: macro text as script lines, one per command, with literal characters
// and key tags gathered into "Text" lines, and blocks indented.

#include "engine/editing/LineRecords.h"
#include "engine/editing/ScriptDisplay.h"

#include <span>
#include <string_view>
#include <vector>

namespace kv {

// The script of a macro text. Nothing is rejected: whatever is not a command stays text.
std::vector<ScriptLine> BuildTheScript(std::string_view macroText);

// One line for a command, its display text made from the record as the script view
// makes it (dialogs pass the full current-window wording for window commands).
ScriptLine MakeScriptLine(Command command, LineRecord record,
                          CurrentWindowWording wording = CurrentWindowWording::Short);

// Re-indents every line: three blanks per open repeat, clipboard block or held modifier
// key. A block's opening and closing lines stay at the outer level.
void SetIndents(std::span<ScriptLine> lines);

} // namespace kv
