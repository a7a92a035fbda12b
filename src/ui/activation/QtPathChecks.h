#pragma once
// Whether a file or folder named in a dialog exists, as the dialogs' checks ask it. This
// system has no short (8.3) names: an existing file is known by the path itself.

#include "engine/editing/CommandDialog.h"

namespace kv::ui {

class QtPathChecks : public PathChecks {
public:
    std::optional<std::string> ShortFilePath(std::string_view path) const override;
    bool DirectoryExists(std::string_view path) const override;
};

} // namespace kv::ui
