#include "engine/core/FileMenu.h"

#include "engine/core/Ansi.h"
#include "engine/core/LastFiles.h"

#include <filesystem>

namespace kv {
namespace {

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(AnsiToUtf8(path), ec);
}

// Makes path current and loads it. When it cannot be loaded (it cannot be created, or it
// is there but out of reach) the previous file comes back, so Keyvane never goes on with
// a current file that every later write would fail on.
bool MakeCurrent(const FileMenuParts& p, const std::string& path) {
    const std::string old = p.settings.currentFile;
    p.settings.currentFile = path;
    if (!p.file.LoadMacroFile(path).opened) {
        p.settings.currentFile = old;
        p.file.LoadMacroFile(old);
        p.block.SetHotKeys();
        return false;
    }
    p.block.SetHotKeys();
    DoLastFiles(p.settings, old, path);
    return true;
}

bool CheckFileType(const FileMenuParts& p, const std::string& path) {
    if (IsMacroFileName(path))
        return true;
    p.prompts.ShowMessage("Invalid file type selected.", "Error");
    return false;
}

} // namespace

bool DoOpen(const FileMenuParts& parts, const std::string& path) {
    return CheckFileType(parts, path) && MakeCurrent(parts, path);
}

bool DoNew(const FileMenuParts& parts, const std::string& path) {
    // The load creates a missing file and adds the SYSTEM macros: New is Open of a new name.
    return DoOpen(parts, path);
}

bool OpenSaveFile(const FileMenuParts& parts, const std::string& path) {
    if (!Exists(path)) {
        parts.prompts.ShowMessage("File does not exist.", "Error");
        return false;
    }
    return MakeCurrent(parts, path);
}

bool SwapMacroFile(const FileMenuParts& parts, const std::string& path) {
    return MakeCurrent(parts, path);
}

} // namespace kv
