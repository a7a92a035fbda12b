#pragma once
// The editors' icon button: an icon file chosen for the macro is copied into Keyvane's
// "Icons" folder (never over one of the same name) and named by its file name there; a
// right click puts the program's own icon back.

#include "engine/editing/EditorMessage.h"

#include <optional>
#include <string>

namespace kv {

inline constexpr std::string_view kProgramIconName = "MAIN";

struct IconChoice {
    std::optional<EditorMessage> message; // shown first, when there is one
    std::optional<std::string> icon;      // the new icon name; none: unchanged
    std::string file;                     // the icon's file in the folder (Windows-1252)
};

// `chosen` and `iconsDir` are Windows-1252 paths.
IconChoice LoadInIcon(const std::string& chosen, const std::string& iconsDir);

// The file an icon name stands for, empty for the program's own icon.
std::string IconFile(const std::string& icon, const std::string& iconsDir);

inline constexpr std::string_view kResetIconQuestion = "Reset icon to program default?";

} // namespace kv
