#pragma once
// The texts of the macro list's columns, shared by the list, its printout and kvn.

#include <cstdint>
#include <string>

namespace kv {

// Column 1: "Timed Macro", the Typeword, or the hot key's name.
std::string ActivationText(std::uint16_t activation, const std::string& typeword);

// Column 3: "GLOBAL", "Popup Menu", "SYSTEM", "Program: " or "Window: " and the scope name.
std::string ScopeText(std::uint16_t scope, const std::string& scopeName);

} // namespace kv
