#pragma once
// The main window's caption (`DoCaption`). The date and time come in already formatted,
// because their formats are the desktop's.

#include "engine/core/Settings.h"
#include "engine/mainwin/ListCommands.h"

#include <string>

namespace kv {

// "Keyvane (" + file title + ")", with the date and time after five blanks when Show Date
// is on, and the browse mode at the end.
std::string DoCaption(const Settings& settings, BrowseMode mode, const std::string& dateText,
                      const std::string& timeText);

} // namespace kv
