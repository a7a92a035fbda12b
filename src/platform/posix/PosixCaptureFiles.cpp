#include "platform/posix/PosixCaptureFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::posix {
namespace {

constexpr int kCreate = O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;

bool Fail(std::string* error, const std::string& what) {
    if (error)
        *error = what + ": " + std::strerror(errno);
    return false;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

PosixCaptureFiles::~PosixCaptureFiles() {
    Close();
}

void PosixCaptureFiles::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool PosixCaptureFiles::StartScratch(const std::string& path, std::string* error) {
    Close();
    // unlink removes a planted link itself, not what it points to; O_EXCL with O_NOFOLLOW
    // then refuses anything that appears under the name meanwhile.
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        return Fail(error, "cannot replace " + path);
    fd_ = ::open(path.c_str(), kCreate, 0600);
    if (fd_ < 0)
        return Fail(error, "cannot create " + path);
    return true;
}

bool PosixCaptureFiles::AppendScratch(std::string_view text, std::string* error) {
    if (fd_ < 0) {
        if (error)
            *error = "the capture file is not open";
        return false;
    }
    // The descriptor writes straight to the file: nothing waits in a buffer of ours.
    if (!WriteAll(fd_, text))
        return Fail(error, "cannot write the capture file");
    return true;
}

std::optional<std::string> PosixCaptureFiles::FinishScratch(std::string* error) {
    if (fd_ < 0) {
        if (error)
            *error = "the capture file is not open";
        return std::nullopt;
    }
    std::string all;
    char buffer[8192];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd_, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            Fail(error, "cannot read the capture file");
            Close();
            return std::nullopt;
        }
        if (n == 0)
            break;
        all.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
    Close();
    return all;
}

void PosixCaptureFiles::Remove(const std::string& path) {
    ::unlink(path.c_str());
}

CaptureFiles::Created PosixCaptureFiles::CreateNew(const std::string& path, std::string_view data,
                                                   std::string* error) {
    const int fd = ::open(path.c_str(), kCreate, 0600);
    if (fd < 0) {
        if (errno == EEXIST || errno == ELOOP)
            return Created::Exists;
        Fail(error, "cannot create " + path);
        return Created::Failed;
    }
    const bool written = WriteAll(fd, data) && ::fsync(fd) == 0;
    if (!written)
        Fail(error, "cannot write " + path);
    ::close(fd);
    if (!written) {
        ::unlink(path.c_str());
        return Created::Failed;
    }
    return Created::Done;
}

} // namespace kv::posix
