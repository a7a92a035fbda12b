#pragma once
// The file commands of macros go through here, so that a dry run can show them instead of
// doing them. Paths are Windows-1252, relative to the current directory.

#include <optional>
#include <string>
#include <string_view>

namespace kv {

class Files {
public:
    virtual ~Files() = default;

    // The whole file as bytes; nullopt when it cannot be opened.
    virtual std::optional<std::string> Read(std::string_view path) = 0;
    // Failures of these are silent: a macro goes on whatever happens.
    virtual void ChangeDirectory(std::string_view path) = 0;
    virtual void Delete(std::string_view path) = 0;
    virtual void Copy(std::string_view source, std::string_view target) = 0; // replaces target
    virtual void Rename(std::string_view from, std::string_view to) = 0;     // or move
};

} // namespace kv
