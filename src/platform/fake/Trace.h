#pragma once
// What the fake platform was asked to do, one line per event, in order. Waits that follow
// each other are one wait.

#include <functional>
#include <string>
#include <vector>

namespace kv::fake {

class Trace {
public:
    void Add(std::string line);
    void AddWait(long long ms);
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }
    // Called for every line as it is added (kvn prints as it goes).
    std::function<void(const std::string&)> onLine;

private:
    std::vector<std::string> lines_;
    bool lastWasWait_ = false;
    long long pendingWait_ = 0;
    void Flush();

public:
    // Ends a run of waits so that it is counted (call before reading Lines()).
    void Finish() { Flush(); }
};

} // namespace kv::fake
