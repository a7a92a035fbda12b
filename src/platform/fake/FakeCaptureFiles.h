#pragma once
// Capture files kept in memory, for the engine's tests: what was written where, and
// failures on demand.

#include "engine/ports/CaptureFiles.h"

#include <map>
#include <string>

namespace kv::fake {

class FakeCaptureFiles : public CaptureFiles {
public:
    bool StartScratch(const std::string& path, std::string* error) override;
    bool AppendScratch(std::string_view text, std::string* error) override;
    std::optional<std::string> FinishScratch(std::string* error) override;
    void Remove(const std::string& path) override;
    Created CreateNew(const std::string& path, std::string_view data, std::string* error) override;

    // The files by path; a test may put some there first.
    std::map<std::string, std::string> files;
    // The next operation of that kind fails.
    bool failStart = false;
    bool failAppend = false;
    bool failCreate = false;

private:
    std::string scratch_; // the open scratch file's path, empty when none is open
};

} // namespace kv::fake
