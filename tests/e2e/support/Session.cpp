#include "e2e/support/Session.h"

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kv::e2e {

using namespace std::chrono_literals;

namespace {

pid_t Spawn(const std::vector<std::string>& argv, int stdoutFd, int keepFd) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t parent = getpid();
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    // Only async-signal-safe calls from here on.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(127);
    if (stdoutFd >= 0)
        dup2(stdoutFd, STDOUT_FILENO);
    if (keepFd >= 0)
        fcntl(keepFd, F_SETFD, 0);
    execvp(args[0], args.data());
    _exit(127);
}

} // namespace

Child::Child(const std::vector<std::string>& argv, bool capture, int inherit) {
    int fds[2] = {-1, -1};
    if (capture && pipe2(fds, O_CLOEXEC) != 0)
        return;
    pid_ = Spawn(argv, capture ? fds[1] : -1, inherit);
    if (capture) {
        close(fds[1]);
        out_ = fds[0];
        fcntl(out_, F_SETFL, O_NONBLOCK);
    }
}

Child::~Child() {
    Stop();
    if (out_ >= 0)
        close(out_);
}

bool Child::Running() {
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

bool Child::WaitExit(std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Running()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

void Child::Stop(std::chrono::milliseconds grace) {
    if (!Running())
        return;
    kill(pid_, SIGTERM);
    if (!WaitExit(grace)) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

const std::vector<std::string>& Child::Lines() {
    char buffer[65536];
    while (out_ >= 0) {
        ssize_t n = read(out_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        partial_.append(buffer, static_cast<std::size_t>(n));
    }
    std::size_t start = 0;
    for (std::size_t nl; (nl = partial_.find('\n', start)) != std::string::npos; start = nl + 1)
        lines_.push_back(partial_.substr(start, nl - start));
    partial_.erase(0, start);
    return lines_;
}

int RunCommand(const std::vector<std::string>& argv) {
    pid_t pid = Spawn(argv, -1, -1);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

XSession::XSession(bool windowManager) {
    // Xvfb picks a free display itself and writes its number to us. The screen is as wide
    // as two monitors side by side: positions beyond the first must come out right too.
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error_ = "pipe failed";
        return;
    }
    xvfb_ = std::make_unique<Child>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                 "2560x1024x24", "-nolisten", "tcp", "-noreset"},
        false, fds[1]);
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (number.find('\n') == std::string::npos && poll(&p, 1, 10000) > 0) {
        char c[16];
        ssize_t n = read(fds[0], c, sizeof c);
        if (n <= 0)
            break;
        number.append(c, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        error_ = "Xvfb did not start (is the xvfb package installed?)";
        return;
    }
    number.resize(number.find('\n'));
    display_.push_back(':');
    display_.append(number);
    setenv("DISPLAY", display_.c_str(), 1);
    if (windowManager && !StartWindowManager()) {
        error_ = "openbox did not start (is the openbox package installed?)";
        return;
    }
    ok_ = true;
}

XSession::~XSession() {
    wm_.reset();
    xvfb_.reset();
}

bool XSession::WaitForWindowManager(bool present) {
    xcb_connection_t* c = xcb_connect(display_.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const char name[] = "_NET_SUPPORTING_WM_CHECK";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    xcb_atom_t check = atom ? atom->atom : 0;
    free(atom);
    bool reached = false;
    auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!reached && std::chrono::steady_clock::now() < deadline) {
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
        bool has = r && xcb_get_property_value_length(r) == 4;
        bool alive = false;
        if (has) {
            xcb_window_t w = *static_cast<xcb_window_t*>(xcb_get_property_value(r));
            xcb_get_window_attributes_reply_t* a =
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
            alive = a != nullptr;
            free(a);
        }
        free(r);
        reached = alive == present;
        if (!reached)
            std::this_thread::sleep_for(20ms);
    }
    xcb_disconnect(c);
    return reached;
}

void XSession::StopWindowManager() {
    wm_.reset();
    WaitForWindowManager(false);
}

bool XSession::StartWindowManager() {
    wm_ = std::make_unique<Child>(std::vector<std::string>{"openbox", "--sm-disable"});
    return WaitForWindowManager(true);
}

} // namespace kv::e2e
