#include "platform/posix/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kv::posix {

InstanceLock::InstanceLock(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        error_ = path + ": " + std::strerror(errno);
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        held_ = true;
        return;
    }
    if (errno == EWOULDBLOCK)
        heldElsewhere_ = true;
    else
        error_ = path + ": " + std::strerror(errno);
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_); // releases the lock
}

} // namespace kv::posix
