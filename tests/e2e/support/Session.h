#pragma once
// The parts of an end-to-end test: child processes that die with the test, and an X
// session of our own (Xvfb on a free display, with openbox).

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

namespace kv::e2e {

class Child {
public:
    // Starts argv[0] (looked up on PATH) with its standard output on a pipe when `capture`,
    // and the descriptor `inherit` left open for it. The child gets SIGKILL if the test
    // process dies first.
    explicit Child(const std::vector<std::string>& argv, bool capture = false, int inherit = -1);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t Pid() const { return pid_; }
    bool Running();
    // SIGTERM, then SIGKILL when it has not ended within `grace`.
    void Stop(std::chrono::milliseconds grace = std::chrono::milliseconds(2000));
    // Waits for the child to end by itself; false on timeout.
    bool WaitExit(std::chrono::milliseconds timeout);

    // Complete lines read so far from its output (capture only); never blocks.
    const std::vector<std::string>& Lines();
    int OutputFd() const { return out_; }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string partial_;
    std::vector<std::string> lines_;
};

// Runs a command to its end and returns its exit status (-1 when it could not run).
int RunCommand(const std::vector<std::string>& argv);

class XSession {
public:
    // Starts Xvfb and, with `windowManager`, openbox; sets DISPLAY for this process.
    explicit XSession(bool windowManager = true);
    ~XSession();

    bool Ok() const { return ok_; }
    const std::string& Error() const { return error_; }
    const std::string& Display() const { return display_; }

    void StopWindowManager();
    bool StartWindowManager();

private:
    bool WaitForWindowManager(bool present);

    std::unique_ptr<Child> xvfb_;
    std::unique_ptr<Child> wm_;
    std::string display_;
    std::string error_;
    bool ok_ = false;
};

} // namespace kv::e2e
