#include "engine/mainwin/TrayMenuIcons.h"

#include "engine/core/Ansi.h"
#include "engine/core/Limits.h"

#include <filesystem>

namespace kv {

std::vector<MenuTaskIcon> MenuTaskIcons(const SharedBlock& block, const MacroFile& file,
                                        const std::string& iconsDir) {
    std::vector<MenuTaskIcon> icons;
    for (int place = 1; place <= block.MacroCount(); ++place) {
        if (static_cast<int>(icons.size()) >= kMaxMenuTaskIcons)
            break;
        if (block.Scope(place) != static_cast<unsigned>(Scope::PopupMenu))
            continue;
        MacroRecord rec;
        // The menu options live in the Typeword field: "Y" first places it in the tray.
        if (!file.ReadMacroRecord(place, rec) || rec.typeword.empty() || rec.typeword[0] != 'Y')
            continue;
        MenuTaskIcon icon;
        icon.place = place;
        icon.toolTip = rec.nickname;
        if (rec.icon != "MENU" && !rec.icon.empty()) {
            const std::filesystem::path path =
                std::filesystem::path(AnsiToUtf8(iconsDir)) / AnsiToUtf8(rec.icon);
            std::error_code ec;
            if (std::filesystem::is_regular_file(path, ec))
                icon.iconFile = path.string();
        }
        icons.push_back(std::move(icon));
    }
    return icons;
}

} // namespace kv
