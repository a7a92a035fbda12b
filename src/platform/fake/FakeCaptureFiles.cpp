#include "platform/fake/FakeCaptureFiles.h"

namespace kv::fake {
namespace {

bool Fail(bool& flag, std::string* error, const char* why) {
    if (!flag)
        return false;
    flag = false;
    if (error)
        *error = why;
    return true;
}

} // namespace

bool FakeCaptureFiles::StartScratch(const std::string& path, std::string* error) {
    if (Fail(failStart, error, "no room on the disk"))
        return false;
    files[path].clear();
    scratch_ = path;
    return true;
}

bool FakeCaptureFiles::AppendScratch(std::string_view text, std::string* error) {
    if (scratch_.empty() || Fail(failAppend, error, "no room on the disk"))
        return false;
    files[scratch_] += text;
    return true;
}

std::optional<std::string> FakeCaptureFiles::FinishScratch(std::string* error) {
    if (scratch_.empty()) {
        if (error)
            *error = "the capture file is not open";
        return std::nullopt;
    }
    const std::string all = files[scratch_];
    scratch_.clear();
    return all;
}

void FakeCaptureFiles::Remove(const std::string& path) {
    files.erase(path);
}

CaptureFiles::Created FakeCaptureFiles::CreateNew(const std::string& path, std::string_view data,
                                                  std::string* error) {
    if (files.count(path))
        return Created::Exists;
    if (Fail(failCreate, error, "no room on the disk"))
        return Created::Failed;
    files[path] = std::string(data);
    return Created::Done;
}

} // namespace kv::fake
