#pragma once
// The filter above the macro list: as the user types, only the macros whose activation,
// nickname, scope or macro text contain what was typed (any case) stay in view.

#include "engine/core/MacroRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace kv {

// True when `needle` (Windows-1252) is empty or found, ignoring case, in any of the
// macro's column texts or in its macro text.
bool MacroMatches(const MacroRecord& rec, std::string_view needle);

// The macros of the file as the filter reads them, by place (index 0 unused); a popup
// menu's binary text is not searched.
std::vector<MacroRecord> FilterRecords(const std::string& path);

} // namespace kv
