#include "engine/mainwin/WindowCaption.h"

#include "engine/core/MacroFile.h"

namespace kv {

std::string DoCaption(const Settings& settings, BrowseMode mode, const std::string& dateText,
                      const std::string& timeText) {
    std::string caption = "Keyvane (" + FileTitle(settings.currentFile) + ")";
    if (settings.showDate)
        caption += "     " + dateText + "  " + timeText;
    if (mode == BrowseMode::BrowseAll)
        caption += "    (Browse All Mode)";
    else if (mode == BrowseMode::Browse)
        caption += "    (Browse Mode)";
    return caption;
}

} // namespace kv
