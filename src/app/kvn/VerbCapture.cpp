// kvn capture --from-trace: the macro text a capture would store for the input events of a
// trace, in the lines `kvn play --dry-run` prints. A dry run's output captured again plays
// back as the same events.

#include "app/kvn/Kvn.h"

#include "engine/capture/CaptureText.h"
#include "engine/core/Ansi.h"
#include "platform/fake/TraceCapture.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>

namespace kvn {
namespace {

struct CaptureArgs {
    std::string trace;
    bool noKeys = false;
    bool noMouse = false;
    std::string window;
    bool windowSize = false;
    bool time = false;
    std::string speed = "actual";
    bool doubleAlt = false;
};

std::string ReadTrace(const std::string& path) {
    if (path == "-")
        return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw KvnError("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

kv::WindowRect ParseWindow(const std::string& s) {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    char tail = 0;
    if (std::sscanf(s.c_str(), "%d,%d,%d,%d%c", &x, &y, &w, &h, &tail) != 4 || w < 0 || h < 0)
        throw CLI::ValidationError("--window", "takes X,Y,WIDTH,HEIGHT, not \"" + s + "\"");
    return {x, y, x + w, y + h};
}

void Capture(const CaptureArgs& a) {
    static const std::map<std::string, int> kSpeeds = {
        {"actual", 1}, {"half", 2}, {"double", 3}, {"quadruple", 4}};
    kv::CaptureOptions options;
    options.keys = !a.noKeys;
    options.mouse = !a.noMouse;
    options.relativeToScreen = a.window.empty();
    options.time = a.time;
    options.windowSize = a.windowSize;
    options.doubleAlt = a.doubleAlt;
    options.speed = kSpeeds.at(a.speed);
    std::optional<kv::WindowRect> window;
    if (!a.window.empty())
        window = ParseWindow(a.window);
    std::vector<kv::CapturedInput> inputs;
    try {
        inputs = kv::fake::CapturedFromTrace(ReadTrace(a.trace), window);
    } catch (const kv::fake::TraceLineError& e) {
        throw KvnError("line " + std::to_string(e.line) + ": " + e.what());
    }
    std::string text = options.time ? kv::SpeedTag(options.speed) : std::string();
    text += kv::CaptureToText(inputs, options);
    std::cout << kv::AnsiToUtf8(text) << '\n';
}

} // namespace

void AddCaptureVerb(CLI::App& app) {
    static CaptureArgs a;
    auto* cmd = app.add_subcommand(
        "capture", "The macro text a capture would store for the input events of a trace "
                   "(the lines kvn play --dry-run prints)");
    cmd->add_option("--from-trace", a.trace,
                    "The trace file, - for standard input; lines other than input events "
                    "are skipped")
        ->type_name("FILE")
        ->required();
    cmd->add_flag("--no-keys", a.noKeys, "Leave out the keystrokes");
    cmd->add_flag("--no-mouse", a.noMouse, "Leave out the mouse actions");
    auto* window = cmd->add_option("--window", a.window,
                                   "Positions relative to the window in front, whose frame "
                                   "is X,Y,WIDTH,HEIGHT (default: relative to the screen)")
                       ->type_name("X,Y,W,H");
    cmd->add_flag("--window-size", a.windowSize,
                  "With --window: record the window's size before its first mouse action")
        ->needs(window);
    auto* time = cmd->add_flag("--time", a.time, "Record the timing, led by the speed tag");
    cmd->add_option("--speed", a.speed, "With --time: the playback speed (default actual)")
        ->type_name("SPEED")
        ->check(CLI::IsMember({"actual", "half", "double", "quadruple"}))
        ->needs(time);
    cmd->add_flag("--double-alt", a.doubleAlt,
                  "Record Alt pressed and released alone (opening a menu) as <ALT><ALT>");
    cmd->callback([] { Capture(a); });
}

} // namespace kvn
