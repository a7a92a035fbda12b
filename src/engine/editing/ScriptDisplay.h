#pragma once
// The display text of a script line, built from its command and its record alone, so the
// script view and the command dialogs always show a command the same way.

#include "engine/editing/LineRecords.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kv {

// A display text holds at most this many characters before its indentation.
inline constexpr std::size_t kDisplayMax = 255;

// Lines made by the window command dialog name the current window in full; lines read
// from macro text use the short form. Both convert back identically.
enum class CurrentWindowWording { Short, Full };

std::string DisplayText(Command command, const LineRecord& record,
                        CurrentWindowWording wording = CurrentWindowWording::Short);

// The characters after the last "\" of a path (the whole path when there is none).
std::string_view FileNamePart(std::string_view path);

// A number with exactly `decimals` decimals, rounded half away from zero as written
// (0.125 gives "0.13").
std::string Decimals(double value, int decimals);
// 5 gives "5.00".
std::string TwoDecimals(double value);

// ": No Speed", ": Normal Speed", ": 2 Times Faster Than Normal", ...
std::string PlaybackSpeedSuffix(double factor);

// The format's name and the text it gives for Monday 30 March 1998, 15:04:23; empty for a
// format index outside the table.
std::string_view DateTimeFormatName(bool isDate, int format);
std::string DateTimeExample(bool isDate, int format);

} // namespace kv
