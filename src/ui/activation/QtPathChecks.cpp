#include "ui/activation/QtPathChecks.h"

#include "ui/QtPrompts.h"

#include <QFileInfo>

namespace kv::ui {

std::optional<std::string> QtPathChecks::ShortFilePath(std::string_view path) const {
    if (path.empty() || !QFileInfo(FromAnsi(path)).isFile())
        return std::nullopt;
    return std::string(path);
}

bool QtPathChecks::DirectoryExists(std::string_view path) const {
    return !path.empty() && QFileInfo(FromAnsi(path)).isDir();
}

} // namespace kv::ui
