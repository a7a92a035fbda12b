#pragma once
// What the benchmarks share: the probe client as a receiver of characters, each stamped
// with the moment its report reached the benchmark, and a wait that runs the event loop.

#include "e2e/support/Session.h"
#include "engine/ports/EventPump.h"
#include "engine/ports/Windows.h"
#include "platform/x11/X11Platform.h"

#include <QGuiApplication>

#include <QSocketNotifier>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kv::bench {

using Clock = std::chrono::steady_clock;

class BenchProbe {
public:
    BenchProbe(const std::string& path, const std::string& title,
               const std::string& place = "50,50,900,700");
    e2e::Child& Process() { return child_; }
    // The characters received, as UTF-8 (Enter as "\r").
    std::string Text();
    std::size_t Count();
    // When the report of character i (from 0) arrived.
    Clock::time_point Arrival(std::size_t i);
    const std::vector<std::string>& Lines() { return child_.Lines(); }
    WindowId Window();

private:
    void Read();

    e2e::Child child_;
    QSocketNotifier reader_;
    std::size_t seen_ = 0;
    std::string text_;
    std::vector<Clock::time_point> arrivals_;
    WindowId window_ = 0;
};

// Runs the event loop until done or the timeout; true when done.
bool WaitUntil(EventPump& pump, const std::function<bool()>& done,
               std::chrono::milliseconds timeout);

// An X server of the benchmark's own (Xvfb and openbox), a Qt application on it and
// Keyvane's X11 back end over it. Says why on standard error when it cannot be had.
class BenchDisplay {
public:
    BenchDisplay(int& argc, char** argv);
    ~BenchDisplay();
    bool Ok() const { return platform_ != nullptr; }
    x11::X11Platform& Platform() { return *platform_; }

private:
    e2e::XSession session_;
    std::unique_ptr<QGuiApplication> app_;
    std::unique_ptr<x11::X11Platform> platform_;
};

} // namespace kv::bench
