#pragma once
// A named block of POSIX shared memory, as the hook and other copies of Keyvane see it:
// /NAME.<uid>, readable and writable by this user only.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kv::posix {

class SharedMemory {
public:
    // Creates the block, or opens it when it exists; zero-filled when new.
    // On failure Data() is null and Error() says why.
    SharedMemory(const std::string& name, std::size_t size);
    ~SharedMemory();
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;

    std::uint8_t* Data() const { return data_; }
    std::size_t Size() const { return size_; }
    const std::string& Error() const { return error_; }
    const std::string& Name() const { return name_; }
    // True when the object did not exist before this one created it.
    bool Created() const { return created_; }
    // Removes the name, so that the next start creates a fresh block.
    void Unlink();

private:
    std::string name_;
    std::size_t size_ = 0;
    std::uint8_t* data_ = nullptr;
    bool created_ = false;
    std::string error_;
};

// The name of a block for the current user ("/KVBA1KGR.1000").
std::string UserBlockName(const std::string& base);

} // namespace kv::posix
