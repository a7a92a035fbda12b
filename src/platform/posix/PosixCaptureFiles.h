#pragma once
// Capture files on a POSIX file system: created with O_EXCL and O_NOFOLLOW, written
// through a descriptor that stays open for the scratch file's whole life.

#include "engine/ports/CaptureFiles.h"

namespace kv::posix {

class PosixCaptureFiles : public CaptureFiles {
public:
    ~PosixCaptureFiles() override;

    bool StartScratch(const std::string& path, std::string* error) override;
    bool AppendScratch(std::string_view text, std::string* error) override;
    std::optional<std::string> FinishScratch(std::string* error) override;
    void Remove(const std::string& path) override;
    Created CreateNew(const std::string& path, std::string_view data, std::string* error) override;

private:
    void Close();

    int fd_ = -1;
};

} // namespace kv::posix
