// kvn script and kvn unscript: a macro as the scripting editor's script lines, and back.
//
//   <indentation><display text>[\t<field>=<value>]...
//
// One script line per line: the display text as the editor shows it (three blanks per
// open block), then the fields of the line's record that differ from its command's
// defaults. unscript ignores the indentation, takes the command from the display text and
// the parameters from the fields, and writes the macro text as the editor's "&Ok" does.

#include "app/kvn/Kvn.h"

#include "engine/core/Ansi.h"
#include "engine/core/Limits.h"
#include "engine/core/MacroFile.h"
#include "engine/editing/ScriptListing.h"
#include "engine/editing/ScriptView.h"
#include "engine/editing/TagWriter.h"

#include <iostream>
#include <iterator>
#include <sstream>

namespace kvn {
namespace {

std::string MacroTextAt(const std::string& path, int place) {
    kv::RecordScan scan;
    try {
        scan = kv::ScanMacroFile(ToAnsi(path, "the file name"));
    } catch (const std::runtime_error& e) {
        throw KvnError(e.what());
    }
    if (place < 1 || static_cast<std::size_t>(place) > scan.records.size())
        throw KvnError(path + " has no macro at place " + std::to_string(place) + " (it holds " +
                       std::to_string(scan.records.size()) + ")");
    return scan.records[static_cast<std::size_t>(place - 1)].text;
}

void Script(const std::string& macroText) {
    std::vector<kv::ScriptLine> lines = kv::BuildTheScript(macroText);
    kv::SetIndents(lines);
    for (const kv::ScriptLine& line : lines)
        std::cout << kv::AnsiToUtf8(kv::ListScriptLine(line)) << '\n';
}

void Unscript() {
    const std::string input{std::istreambuf_iterator<char>(std::cin),
                            std::istreambuf_iterator<char>()};
    std::istringstream in(ToAnsi(input, "the script"));
    std::vector<kv::ScriptLine> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.ends_with('\r'))
            text.pop_back();
        if (kv::TrimBlanks(text).empty())
            continue;
        auto parsed = kv::ParseScriptLine(text);
        if (const std::string* error = std::get_if<std::string>(&parsed))
            throw KvnError("line " + std::to_string(number) + ": " + *error);
        kv::ScriptLine& line = std::get<kv::ScriptLine>(parsed);
        if (!kv::CommandOf(line.text)) // the editor writes nothing for such a line
            std::cerr << "kvn: line " << number << " names no command; it is left out\n";
        lines.push_back(std::move(line));
    }
    const kv::ScriptText out = kv::ScriptToMacroText(lines);
    if (out.truncated) {
        ConsolePrompts prompts;
        prompts.ShowMessage(out.truncated->text, out.truncated->caption);
    }
    std::cout << kv::AnsiToUtf8(out.text) << '\n';
}

} // namespace

void AddScriptVerbs(CLI::App& app) {
    static std::string file;
    static int place = 0;
    static std::string text;
    auto* script = app.add_subcommand(
        "script", "A macro as the scripting editor shows it: one script line per line, "
                  "indented, followed by the fields of its record (tab-separated)");
    auto* fileOpt = script->add_option("FILE", file, "The macro file");
    script->add_option("PLACE", place, "The macro's place, from 1");
    auto* textOpt = script->add_option("--text", text, "A macro text (UTF-8) instead of a macro");
    textOpt->excludes(fileOpt);
    script->callback([textOpt] {
        if (textOpt->count() > 0) {
            const std::string ansi = ToAnsi(text, "TEXT");
            if (ansi.size() > kv::kMaxMacroText)
                throw KvnError("the macro text has " + std::to_string(ansi.size()) +
                               " characters; a macro holds at most 5000");
            Script(ansi);
            return;
        }
        if (file.empty() || place == 0)
            throw CLI::ValidationError("script", "give FILE and PLACE, or --text TEXT");
        Script(MacroTextAt(file, place));
    });

    auto* unscript = app.add_subcommand(
        "unscript", "Script lines (as kvn script prints them) on standard input back to "
                    "macro text on standard output, as the scripting editor saves them");
    unscript->callback([] { Unscript(); });
}

} // namespace kvn
