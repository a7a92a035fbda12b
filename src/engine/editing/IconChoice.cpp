#include "engine/editing/IconChoice.h"

#include "engine/core/Ansi.h"

#include <filesystem>
#include <system_error>

namespace kv {
namespace {

std::filesystem::path Native(const std::string& ansi) {
    return std::filesystem::path(AnsiToUtf8(ansi));
}

EditorMessage Error(const char* text) {
    return {text, std::string(kErrorCaption)};
}

} // namespace

IconChoice LoadInIcon(const std::string& chosen, const std::string& iconsDir) {
    namespace fs = std::filesystem;
    IconChoice out;
    if (chosen.size() < 4 || AnsiUpper(chosen.substr(chosen.size() - 4)) != ".ICO") {
        out.message = Error("Invalid file type selected.");
        return out;
    }
    const fs::path source = Native(chosen);
    fs::path target = Native(iconsDir) / source.filename();
    std::error_code ec;
    // The record holds 12 characters. A longer name gets a short one of its own, as a
    // short (8.3) path would give it: its first six characters, "~", a number.
    if (Utf8ToAnsi(source.filename().string()).size() > 12 && !fs::equivalent(source, target, ec)) {
        const std::string stem = Utf8ToAnsi(source.stem().string()).substr(0, 6);
        for (int n = 1; n <= 9; ++n) {
            target = Native(iconsDir) / Native(stem + "~" + std::to_string(n) + ".ICO");
            if (!fs::exists(target, ec))
                break;
        }
    }
    if (!fs::equivalent(source, target, ec)) {
        fs::create_directories(Native(iconsDir), ec);
        // Never over another icon of that name: that one is used instead.
        if (!fs::copy_file(source, target, fs::copy_options::none, ec) && fs::exists(target))
            out.message = Error("The selected icon could not be opened.  An icon of this name "
                                "already exists in the default icon folder.  It will be opened "
                                "instead.");
    }
    if (!fs::exists(target)) {
        out.message = Error("Icon could not be opened.");
        return out;
    }
    out.icon = Utf8ToAnsi(target.filename().string()).substr(0, 12);
    out.file = Utf8ToAnsi(target.string());
    return out;
}

std::string IconFile(const std::string& icon, const std::string& iconsDir) {
    if (icon.empty() || icon == kProgramIconName)
        return {};
    return Utf8ToAnsi((Native(iconsDir) / Native(icon)).string());
}

} // namespace kv
