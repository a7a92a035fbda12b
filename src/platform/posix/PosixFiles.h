#pragma once
// The file commands of macros, done for real. Failures are silent, as macros expect.

#include "engine/ports/Files.h"

namespace kv::posix {

class PosixFiles : public Files {
public:
    std::optional<std::string> Read(std::string_view path) override;
    void ChangeDirectory(std::string_view path) override;
    void Delete(std::string_view path) override;
    void Copy(std::string_view source, std::string_view target) override;
    void Rename(std::string_view from, std::string_view to) override;
};

} // namespace kv::posix
