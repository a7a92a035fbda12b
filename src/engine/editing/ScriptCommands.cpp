#include "engine/editing/ScriptCommands.h"

namespace kv {

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<Command> CommandOf(std::string_view displayText) {
    const std::string_view text = TrimBlanks(displayText);
    for (int i = 0; i < kCommandCount; ++i) {
        if (text.starts_with(kCommandNames[static_cast<std::size_t>(i)]))
            return static_cast<Command>(i + 1);
    }
    return std::nullopt;
}

} // namespace kv
