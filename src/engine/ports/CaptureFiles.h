#pragma once
// The files a capture writes in Keyvane's data folder: the scratch file that collects the
// text while the user records, and the numbered text file that keeps a capture too long
// for a macro record. Paths are the file system's own (UTF-8). None of them is ever opened
// through a symbolic link that someone planted under its name.

#include <optional>
#include <string>
#include <string_view>

namespace kv {

class CaptureFiles {
public:
    virtual ~CaptureFiles() = default;

    // Starts the scratch file empty and keeps it open for writing. Whatever had the name
    // before (a file, a link) is removed first, never followed. False with the reason.
    virtual bool StartScratch(const std::string& path, std::string* error) = 0;
    // Appends to the scratch file and flushes it. False with the reason.
    virtual bool AppendScratch(std::string_view text, std::string* error) = 0;
    // Closes the scratch file and reads it back whole; nullopt with the reason.
    virtual std::optional<std::string> FinishScratch(std::string* error) = 0;
    virtual void Remove(const std::string& path) = 0;

    enum class Created { Done, Exists, Failed };
    // Writes `data` to a file that must not exist yet (a link of that name counts as
    // existing).
    virtual Created CreateNew(const std::string& path, std::string_view data,
                              std::string* error) = 0;
};

} // namespace kv
