#include "engine/editing/CommandDialog.h"

#include "engine/editing/ScriptCommands.h"
#include "engine/editing/ScriptView.h"
#include "engine/editing/TagWriter.h"
#include "engine/macrotext/MacroTextReader.h"

#include <charconv>

namespace kv {

ScriptLine CommandResult::Line() const {
    return MakeScriptLine(command, record, wording);
}

namespace dialog {

std::string Field(std::string_view text, std::size_t maxLength) {
    return std::string(TrimBlanks(text.substr(0, maxLength)));
}

std::optional<long long> WholeInteger(std::string_view text) {
    std::size_t i = 0;
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size() || text.size() - i > 12) // no control holds a longer number
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return text[0] == '-' ? -value : value;
}

std::optional<double> Real(std::string_view text) {
    return ParseRealField(text);
}

std::string NumberText(long long value) {
    return std::to_string(value);
}

std::string NumberText(double value) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

DialogRefusal Error(std::string text, std::string_view focus) {
    return {{std::move(text), std::string(kErrorCaption)}, focus};
}

std::optional<DialogRefusal> CheckFreeText(std::string_view text, std::string_view focus,
                                           std::string_view alsoEnding) {
    const std::string ending = ">" + std::string(alsoEnding);
    const std::size_t at = text.find_first_of(ending);
    if (at == std::string_view::npos)
        return std::nullopt;
    return Error("The character " + std::string(1, text[at]) +
                     " cannot be used in this field.  Please correct.",
                 focus);
}

CommandOutcome Accept(Command command, LineRecord record) {
    std::string tag = TagOf(command, record);
    return CommandResult{std::move(tag), command, std::move(record)};
}

} // namespace dialog
} // namespace kv
