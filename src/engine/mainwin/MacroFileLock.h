#pragma once
// The lock every command takes before it changes the macro file, so that copies of Keyvane
// sharing one file on a network drive do not change it at the same time.

namespace kv {

class MacroFileLock {
public:
    virtual ~MacroFileLock() = default;

    // `FileInUse`: true when the command must not go on (the lock has told the user why);
    // false when it may, holding the lock until `ReleaseSyncFile`.
    virtual bool FileInUse() = 0;

    // Frees the lock; `changed` tells the other copies that the file was written.
    virtual void ReleaseSyncFile(bool changed) = 0;
};

// The lock outside Network Mode: always free.
class NoMacroFileLock : public MacroFileLock {
public:
    bool FileInUse() override { return false; }
    void ReleaseSyncFile(bool) override {}
};

} // namespace kv
