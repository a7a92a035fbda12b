#pragma once
// One Keyvane per user: an exclusive lock on a file in the runtime directory. The kernel
// releases it when the process ends, however it ends, so a crash never blocks a new start.

#include <string>

namespace kv::posix {

class InstanceLock {
public:
    explicit InstanceLock(const std::string& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process holds the lock.
    bool Held() const { return fd_ >= 0 && held_; }
    // True when another process holds it (as opposed to a failure to take it at all).
    bool HeldElsewhere() const { return heldElsewhere_; }
    const std::string& Error() const { return error_; }

private:
    int fd_ = -1;
    bool held_ = false;
    bool heldElsewhere_ = false;
    std::string error_;
};

} // namespace kv::posix
