#pragma once
// `TDoAppear` ("Appearance"): the macro list's column widths, its two fonts and whether the
// main window shows the speed-button bar or the lettered buttons. The dialog edits a
// working copy; only "&Ok" with three good widths stores it.

#include "engine/core/Settings.h"
#include "engine/ports/Prompts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

inline constexpr std::size_t kColumnWidthDigits = 4; // what each width edit accepts
inline constexpr std::string_view kInvalidWidth = "Invalid width specified.";

// A width as typed: a positive whole number, blanks around it allowed. Any other text,
// zero or a negative number gives nothing.
std::optional<int> ParseColumnWidth(std::string_view text);

struct AppearanceEntries {
    std::array<std::string, 3> widths; // `Col1Wid`, `Col2Wid`, `Col3Wid` as typed
    bool useSpeed = false;             // "&Speed Buttons" rather than "&Lettered Buttons"
    FontSettings gridTitleFont;
    FontSettings gridFont;
};

// What the dialog shows when it opens.
AppearanceEntries AppearanceShown(const Settings& settings);

// `OkButtonClick`: reads the widths in order; the first that is not a positive number is
// reported ("Error") and its index 0..2 returned, the settings left as they were.
// Otherwise stores widths, Use Speed and both list fonts and returns nothing; the caller
// writes the settings and lays the main window out again.
std::optional<int> AppearanceOk(const AppearanceEntries& entries, Settings& settings,
                                Prompts& prompts);

} // namespace kv
