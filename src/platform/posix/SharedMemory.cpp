#include "platform/posix/SharedMemory.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::posix {

std::string UserBlockName(const std::string& base) {
    return "/" + base + "." + std::to_string(::getuid());
}

SharedMemory::SharedMemory(const std::string& name, std::size_t size) : name_(name), size_(size) {
    int fd = ::shm_open(name.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd >= 0) {
        created_ = true;
    } else if (errno == EEXIST) {
        fd = ::shm_open(name.c_str(), O_RDWR, 0600);
    }
    if (fd < 0) {
        error_ = std::strerror(errno);
        return;
    }
    struct stat st {};
    // A block left by an older, smaller layout is grown; it is never shrunk under a reader.
    if (::fstat(fd, &st) != 0 || (static_cast<std::size_t>(st.st_size) < size &&
                                  ::ftruncate(fd, static_cast<off_t>(size)) != 0)) {
        error_ = std::strerror(errno);
        ::close(fd);
        return;
    }
    void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    const int mapErr = errno;
    ::close(fd);
    if (p == MAP_FAILED) {
        error_ = std::strerror(mapErr);
        return;
    }
    data_ = static_cast<std::uint8_t*>(p);
}

SharedMemory::~SharedMemory() {
    if (data_)
        ::munmap(data_, size_);
}

void SharedMemory::Unlink() {
    ::shm_unlink(name_.c_str());
}

} // namespace kv::posix
