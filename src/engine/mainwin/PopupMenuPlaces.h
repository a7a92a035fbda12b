#pragma once
// The menu of a Popup Menu macro: its macro text area holds a 16-bit item count and that
// many 16-bit places, little-endian. The area is binary, so it may hold zero bytes that a
// macro text never does.

#include "engine/core/MacroRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace kv {

// The places of a menu area; bytes missing at its end read as zero.
std::vector<int> MenuPlaces(std::string_view area);
// The area of a menu with these places, to store as the record's text.
std::string MenuArea(const std::vector<int>& places);

// Reads the record at place from the macro file at path like `ReadMacroRecord`, but keeps
// a Popup Menu macro's whole menu in its text, zero bytes included, so that writing the
// record back keeps the menu. False, with rec unchanged, when it cannot be read.
bool ReadMacroRecordWhole(const std::string& path, int place, MacroRecord& rec);

// The menu after the macro at `removed` left the table: its entries leave the menu and
// every later place moves down by one. True when the menu changed.
bool RemoveFromMenu(std::vector<int>& places, int removed);

} // namespace kv
