#pragma once
// The five macro files that were current before, most recent first, and the File menu
// items that show them.

#include "engine/core/Settings.h"

#include <array>
#include <string>

namespace kv {

// Called when `newFile` becomes current in place of `oldFile`: the new file leaves the
// list and the old one goes to the top.
void DoLastFiles(Settings& settings, const std::string& oldFile, const std::string& newFile);

// What `SetMenuLastFiles` shows: the separator, and per entry either its caption
// ("&1   " and the path) or nothing when the entry is empty and its item hidden.
struct LastFilesMenu {
    bool separatorVisible = false;
    std::array<std::string, 5> captions; // empty = item hidden
};
LastFilesMenu SetMenuLastFiles(const Settings& settings);

} // namespace kv
