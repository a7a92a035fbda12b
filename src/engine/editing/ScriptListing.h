#pragma once
// Script lines as plain text, one line each, so that a script can be read, edited and
// turned back into macro text outside the editor (kvn script and kvn unscript):
//
//   <display text, indentation included>[\t<field>=<value>]...
//
// The fields are the line record's; a field that holds its command's default is left out.
// Text is Windows-1252 with \\, \t, \r, \n and other control bytes (\xNN) escaped, so a
// line never breaks and a tab always separates fields.

#include "engine/editing/LineRecords.h"

#include <string>
#include <string_view>
#include <variant>

namespace kv {

std::string ListScriptLine(const ScriptLine& line);

// The line back, its record starting from its command's default; or what is wrong with
// the text. A display text that names no command gives a line that writes nothing.
std::variant<ScriptLine, std::string> ParseScriptLine(std::string_view text);

std::string EscapeListed(std::string_view text);
std::string UnescapeListed(std::string_view text);

} // namespace kv
