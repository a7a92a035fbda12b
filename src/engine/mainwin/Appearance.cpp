#include "engine/mainwin/Appearance.h"

#include <charconv>

namespace kv {

std::optional<int> ParseColumnWidth(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty() || value <= 0)
        return std::nullopt;
    return value;
}

AppearanceEntries AppearanceShown(const Settings& settings) {
    AppearanceEntries e;
    e.widths = {std::to_string(settings.col1Width), std::to_string(settings.col2Width),
                std::to_string(settings.col3Width)};
    e.useSpeed = settings.useSpeed;
    e.gridTitleFont = settings.gridTitleFont;
    e.gridFont = settings.gridFont;
    return e;
}

std::optional<int> AppearanceOk(const AppearanceEntries& entries, Settings& settings,
                                Prompts& prompts) {
    std::array<int, 3> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const auto w = ParseColumnWidth(entries.widths[i]);
        if (!w) {
            prompts.ShowMessage(kInvalidWidth, "Error");
            return static_cast<int>(i);
        }
        widths[i] = *w;
    }
    settings.col1Width = widths[0];
    settings.col2Width = widths[1];
    settings.col3Width = widths[2];
    settings.useSpeed = entries.useSpeed;
    settings.gridTitleFont = entries.gridTitleFont;
    settings.gridFont = entries.gridFont;
    return std::nullopt;
}

} // namespace kv
