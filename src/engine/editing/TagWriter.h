#pragma once
// Script lines back to macro text: the tag each command writes, with its numbers padded to
// the widths of the tag table, and the whole script cut to what a macro record holds.

#include "engine/editing/EditorMessage.h"
#include "engine/editing/LineRecords.h"

#include <optional>
#include <span>
#include <string>

namespace kv {

// pad(k): decimal with leading zeros to `width` characters, the sign first. A number too
// large for its field is written as the nearest that fits, so the tag stays a tag.
std::string Pad(long long value, int width);

// d2 in a real field of `width` characters: two decimals and leading zeros ("05.00",
// "00.50", "12.50"). A number whose two decimals do not fit keeps fewer ("123.5",
// "01234"); one too large for any form is written as the nearest that fits.
std::string FixedReal(double value, int width);

// The tag a line of this command writes with this record; empty when the record names
// nothing the command can write (a mouse button line whose code is not a button action).
std::string TagOf(Command command, const LineRecord& record);

// The tag of a line, its command taken from its display text; empty when the text names
// no command.
std::string TagOf(const ScriptLine& line);

// Accepting the scripting editor: the tags of every line in order, cut to 5000 characters
// with the message that says so.
struct ScriptText {
    std::string text{};
    std::optional<EditorMessage> truncated;
};
ScriptText ScriptToMacroText(std::span<const ScriptLine> lines);

} // namespace kv
