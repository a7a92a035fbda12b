#include "platform/posix/PosixFiles.h"

#include "engine/core/Ansi.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kv::posix {
namespace fs = std::filesystem;

namespace {
fs::path Native(std::string_view ansi) {
    return fs::path(AnsiToUtf8(ansi));
}
} // namespace

std::optional<std::string> PosixFiles::Read(std::string_view path) {
    std::ifstream in(Native(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void PosixFiles::ChangeDirectory(std::string_view path) {
    std::error_code ec;
    fs::current_path(Native(path), ec);
}

void PosixFiles::Delete(std::string_view path) {
    std::error_code ec;
    if (!fs::is_directory(Native(path), ec))
        fs::remove(Native(path), ec);
}

void PosixFiles::Copy(std::string_view source, std::string_view target) {
    std::error_code ec;
    fs::copy_file(Native(source), Native(target), fs::copy_options::overwrite_existing, ec);
}

void PosixFiles::Rename(std::string_view from, std::string_view to) {
    std::error_code ec;
    fs::rename(Native(from), Native(to), ec);
    if (ec == std::errc::cross_device_link) {
        // A move to another file system: copy, then remove the original only when the copy
        // is complete.
        std::error_code copyEc;
        fs::copy_file(Native(from), Native(to), fs::copy_options::overwrite_existing, copyEc);
        if (!copyEc)
            fs::remove(Native(from), copyEc);
    }
}

} // namespace kv::posix
