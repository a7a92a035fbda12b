#pragma once
// The File menu's operations on macro files: New File, Open File and the five last-files
// items, once the user has picked a path, and the "<SWAP:" change of file. Each makes the
// file current, loads it, rebuilds the hot key flags and updates the last-files list; the
// window then refreshes what derives from the table (list, caption, schedule, tray icons).

#include "engine/core/MacroFile.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/ports/Prompts.h"

#include <string>

namespace kv {

struct FileMenuParts {
    MacroFile& file;
    Settings& settings;
    SharedBlock& block;
    Prompts& prompts;
};

// Paths are Windows-1252, as the settings hold them. Each returns true when `path` became
// the current file; false leaves the current file, the tables and the list as they were.

// `DoOpen`: path was picked in the open dialog.
bool DoOpen(const FileMenuParts& parts, const std::string& path);

// `DoNew`: path was picked in the save dialog. A new name is created holding the four
// SYSTEM macros; an existing file is opened unchanged.
bool DoNew(const FileMenuParts& parts, const std::string& path);

// `OpenSaveFile`: one of the last-files items.
bool OpenSaveFile(const FileMenuParts& parts, const std::string& path);

// "<SWAP:": the file's name and type are not checked.
bool SwapMacroFile(const FileMenuParts& parts, const std::string& path);

} // namespace kv
