#pragma once
// A message box of the editors: its exact text and caption (Windows-1252).

#include <string>
#include <string_view>

namespace kv {

struct EditorMessage {
    std::string text{};
    std::string caption{};
    bool operator==(const EditorMessage&) const = default;
};

inline constexpr std::string_view kErrorCaption = "Error";
inline constexpr std::string_view kWarningCaption = "Warning";

} // namespace kv
