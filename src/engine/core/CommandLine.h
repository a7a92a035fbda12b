#pragma once
// Keyvane's command-line arguments: each is upper-cased and handled in order; anything
// that matches nothing is ignored.

#include <optional>
#include <string>
#include <vector>

namespace kv {

struct CommandLine {
    bool hide = false;               // "/HIDE": hide at the first paint
    bool browse = false;             // "/B": look, but change nothing
    bool browseAll = false;          // "/BA": browse, and lock files, printing, options and sorting
    bool autoSync = false;           // "/S"
    bool networkMode = false;        // "/N"
    std::optional<std::string> file; // "/F" and a path, as written
    std::optional<int> syncMinutes;  // "/SM" and 1..98
};

// `args` without the program name, Windows-1252. A "/F" path is taken as given here; the
// caller ignores it when the file does not exist.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

} // namespace kv
