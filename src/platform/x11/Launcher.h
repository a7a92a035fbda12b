#pragma once
// Starting programs and documents as ShellExecute "open" does, without a shell.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv::x11 {

// Splits a parameter string into arguments as a POSIX shell would (blanks separate;
// single quotes, double quotes and backslashes quote), with no expansion of any kind.
std::vector<std::string> SplitArguments(std::string_view text);

struct Command {
    std::string program; // a path to an executable
    std::vector<std::string> arguments;
    bool operator==(const Command&) const = default;
};

// What "open" runs for a file with its parameters (UTF-8): a program found as given or
// on PATH runs with the split parameters; an address, a document or a folder goes to the
// desktop's opener. nullopt when there is nothing to open.
std::optional<Command> OpenCommand(std::string_view file, std::string_view parameters);

// Starts the command detached from Keyvane (it outlives it and leaves no zombie).
bool Spawn(const Command& command);

} // namespace kv::x11
