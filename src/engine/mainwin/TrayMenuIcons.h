#pragma once
// `DoMenuTaskIcon`: the tray icons of the popup-menu macros that ask for one (the first of
// their three menu options is "Y"), at most 15, in table order.

#include "engine/core/MacroFile.h"
#include "engine/core/SharedBlock.h"

#include <string>
#include <vector>

namespace kv {

inline constexpr int kMaxMenuTaskIcons = 15;

struct MenuTaskIcon {
    int place = 0;        // the icon's id: a right click runs the macro at this place
    std::string toolTip;  // the Nickname, Windows-1252
    std::string iconFile; // a UTF-8 path to open, empty for the built-in menu icon
};

// `iconsDir` is the "Icons" folder (Windows-1252); an icon named there but missing shows
// the built-in menu icon.
std::vector<MenuTaskIcon> MenuTaskIcons(const SharedBlock& block, const MacroFile& file,
                                        const std::string& iconsDir);

} // namespace kv
