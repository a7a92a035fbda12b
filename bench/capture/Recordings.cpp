#include "bench/capture/Recordings.h"

#include "e2e/support/Session.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace kv::bench {
namespace {

using namespace std::chrono_literals;

// Quiet this long, a recorder has written all it will of the burst.
constexpr auto kQuiet = 300ms;
constexpr std::uint8_t kVkCtrl = 0x11, kVkAlt = 0x12, kVkShift = 0x10, kVkEscape = 0x1B,
                       kVkF12 = 0x7B;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

std::uintmax_t FileSize(const std::string& path) {
    std::error_code ec;
    const std::uintmax_t n = std::filesystem::file_size(path, ec);
    return ec ? 0 : n;
}

// utime + stime of every thread of the process, in milliseconds (clock ticks of 10 ms).
double CpuMs(pid_t pid) {
    const std::string stat = ReadAll("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return 0;
    // After the command's ")": field 3 (state) on; utime is field 14, stime 15.
    std::istringstream rest(stat.substr(close + 2));
    std::string field;
    unsigned long long ticks = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i)
        if (i >= 14)
            ticks += std::stoull(field);
    return static_cast<double>(ticks) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

std::vector<DeviceEvent> EventsOf(const Recorder& r, const std::string& text, bool xtestDevice) {
    return r.cnee ? CneeEvents(LinesOf(text), xtestDevice) : ReferenceEvents(LinesOf(text));
}

} // namespace

Recordings::Recordings(x11::X11Platform& p, BenchProbe& probe, std::string home,
                       std::string keyvane, std::string kvn)
    : p_(p), probe_(probe), home_(std::move(home)), keyvane_(std::move(keyvane)),
      kvn_(std::move(kvn)) {
    auto& layout = p.X11InputPort().Keyboard().Layout();
    const std::uint8_t ctrlAltShiftX[] = {kVkCtrl, kVkAlt, kVkShift, 'X'};
    for (std::uint8_t vk : ctrlAltShiftX)
        startStop_.push_back(static_cast<std::uint8_t>(layout.KeycodeForVk(vk)));
    escape_ = static_cast<std::uint8_t>(layout.KeycodeForVk(kVkEscape));
    f12_ = static_cast<std::uint8_t>(layout.KeycodeForVk(kVkF12));
}

bool Recordings::Ok() const {
    return escape_ && f12_ &&
           std::find(startStop_.begin(), startStop_.end(), 0) == startStop_.end();
}

// Runs the event loop, checking `done` every `every`; true when done in time.
bool Recordings::Poll(const std::function<bool()>& done, std::chrono::milliseconds limit,
                      std::chrono::milliseconds every) {
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() >= deadline)
            return false;
        p_.Pump().WaitFor(every);
    }
    return true;
}

void Recordings::Wait(std::chrono::milliseconds d) {
    Poll([] { return false; }, d, d);
}

// When the file last grew, once it has stayed the same size for kQuiet.
Clock::time_point Recordings::LastGrowth(const std::string& path) {
    std::uintmax_t size = FileSize(path);
    Clock::time_point changed = Clock::now();
    Poll(
        [&] {
            if (const std::uintmax_t now = FileSize(path); now != size) {
                size = now;
                changed = Clock::now();
            }
            return Clock::now() - changed >= kQuiet;
        },
        2min);
    return changed;
}

// Down in order, up in reverse, in one go as xdotool sends a combination.
void Recordings::Press(const std::vector<std::uint8_t>& keys) {
    xcb_connection_t* c = p_.Connection().Raw();
    for (std::uint8_t k : keys)
        xcb_test_fake_input(c, XCB_KEY_PRESS, k, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    for (auto k = keys.rbegin(); k != keys.rend(); ++k)
        xcb_test_fake_input(c, XCB_KEY_RELEASE, *k, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
}

// Whether Keyvane holds Start / Stop Capture: then our own grab of it fails.
bool Recordings::StartStopTaken() {
    xcb_connection_t* c = p_.Connection().Raw();
    const auto mods =
        static_cast<std::uint16_t>(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_SHIFT);
    const xcb_window_t root = p_.Connection().Root();
    const std::uint8_t x = startStop_.back();
    if (xcb_generic_error_t* e =
            xcb_request_check(c, xcb_grab_key_checked(c, 1, root, mods, x, XCB_GRAB_MODE_ASYNC,
                                                      XCB_GRAB_MODE_ASYNC))) {
        std::free(e);
        return true;
    }
    xcb_ungrab_key(c, x, root, mods);
    xcb_flush(c);
    return false;
}

WindowId Recordings::WindowTitled(const std::string& prefix) {
    Windows& windows = p_.GetWindows();
    for (WindowId w : windows.TopLevelWindows())
        if (windows.Title(w).starts_with(prefix))
            return w;
    return 0;
}

bool Recordings::FocusProbe() {
    Windows& windows = p_.GetWindows();
    if (windows.Foreground() == probe_.Window())
        return true;
    windows.Activate(probe_.Window());
    return Poll([&] { return windows.Foreground() == probe_.Window(); }, 3s);
}

// kvn's standard output.
std::string Recordings::Kvn(const std::vector<std::string>& args) {
    const std::string out = home_ + "/kvn.out";
    std::vector<std::string> argv = {"sh", "-c", "out=$1; shift; exec \"$@\" >\"$out\" 2>&1",
                                     "sh", out,  kvn_};
    argv.insert(argv.end(), args.begin(), args.end());
    e2e::RunCommand(argv);
    return ReadAll(out);
}

// Whether the probe received the burst whole, once it has gone quiet.
bool Recordings::ProbeGot(std::size_t from) {
    std::size_t count = 0;
    auto changed = Clock::now();
    Poll(
        [&] {
            const std::size_t now = probe_.Lines().size();
            if (now != count) {
                count = now;
                changed = Clock::now();
            }
            return Clock::now() - changed >= 500ms;
        },
        10min, 20ms);
    return CompareApart(burst_.tokens, TokensOfProbe(probe_.Lines(), from)).exact;
}

void Recordings::Measure(pid_t pid, const std::string& file, bool paced, Figures& f) {
    const double cpu = CpuMs(pid);
    const auto start = Clock::now();
    SendBurst(p_, burst_, paced);
    f.sentMs = Ms(Clock::now() - start);
    f.writtenMs = Ms(LastGrowth(file) - start);
    f.cpuMs = CpuMs(pid) - cpu;
}

// The quick capture's macro (nickname "Capture") and its text, from the record or the
// KV<n>.TXT its "<TFILE:" tag names.
std::optional<std::string> Recordings::ReadCaptured(const std::string& file, std::string& place,
                                                    Figures& f) {
    for (const std::string& line : LinesOf(Kvn({"list", file}))) {
        std::vector<std::string> fields;
        std::stringstream in(line);
        for (std::string s; std::getline(in, s, '\t');)
            fields.push_back(s);
        if (fields.size() >= 3 && fields[2] == "Capture")
            place = fields[0];
    }
    if (place.empty())
        return std::nullopt;
    const std::string shown = Kvn({"show", file, place});
    const std::size_t at = shown.find("\nText: ");
    if (at == std::string::npos)
        return std::nullopt;
    std::string text = shown.substr(at + 7);
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    const std::string tfile = "<TFILE:";
    if (text.starts_with(tfile) && text.ends_with(">")) {
        const std::string path = text.substr(tfile.size(), text.size() - tfile.size() - 1);
        text = ReadAll(path);
        f.stored =
            std::to_string(text.size()) + " in " + std::filesystem::path(path).filename().string();
    } else {
        f.stored = std::to_string(text.size()) + " in the record";
    }
    return text;
}

Figures Recordings::Keyvane(int run, bool paced) {
    Figures f;
    f.tool = "keyvane";
    const std::string file =
        home_ + "/capture" + std::to_string(run) + (paced ? "p" : "f") + ".kvn";
    const std::string scratch = home_ + "/data/TempCap.Txt";
    std::filesystem::remove(scratch);
    if (e2e::RunCommand({kvn_, "new", file}) != 0) {
        f.error = "kvn could not make the macro file";
        return f;
    }
    e2e::Child keyvane({keyvane_, "/F" + file});
    // Its window first: a grab of ours while it starts would take the key from it.
    if (!Poll([&] { return WindowTitled("Keyvane") != 0; }, 15s, 20ms) ||
        !Poll([&] { return StartStopTaken(); }, 10s, 50ms)) {
        f.error = "keyvane did not start";
        return f;
    }
    if (!FocusProbe()) {
        f.error = "the probe did not get the focus";
        return f;
    }
    // The capture has begun once its scratch file exists; it records right after.
    for (int i = 0; i < 3 && !std::filesystem::exists(scratch); ++i) {
        Press(startStop_);
        Poll([&] { return std::filesystem::exists(scratch); }, 3s);
    }
    if (!std::filesystem::exists(scratch)) {
        f.error = "the capture did not start";
        return f;
    }
    Wait(300ms);
    if (!FocusProbe()) {
        f.error = "the probe lost the focus";
        return f;
    }
    const std::size_t from = probe_.Lines().size();
    const double cpu = CpuMs(keyvane.Pid());
    Measure(keyvane.Pid(), scratch, paced, f);

    Press(startStop_);
    WindowId complete = 0;
    if (!Poll([&] { return (complete = WindowTitled("Capture Complete")) != 0; }, 10s)) {
        f.error = "Capture Complete did not show";
        return f;
    }
    f.cpuStopMs = CpuMs(keyvane.Pid()) - cpu;
    Poll([&] { return p_.GetWindows().Foreground() == complete; }, 3s);
    // Escape keeps the macro as the Typeword "capture"; the record is written after.
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(file, ec);
    Press({escape_});
    if (!Poll(
            [&] {
                std::error_code e;
                return WindowTitled("Capture Complete") == 0 &&
                       std::filesystem::last_write_time(file, e) != written;
            },
            10s)) {
        f.error = "the captured macro was not written";
        return f;
    }
    std::string place;
    const std::optional<std::string> text = ReadCaptured(file, place, f);
    // Nothing of Keyvane's may see the playback: its Typewords would.
    keyvane.Stop();
    if (!text) {
        f.error = "kvn found no captured macro";
        return f;
    }
    f.recorded = Compare(burst_.tokens, TokensOfMacroText(*text, f.others));
    f.probeExact = ProbeGot(from);

    if (!FocusProbe()) {
        f.error = "the probe did not get the focus for the playback";
        return f;
    }
    const std::size_t playFrom = probe_.Lines().size();
    e2e::Child play({kvn_, "play", "--file", file, "--place", place});
    Poll([&] { return !play.Running(); }, 10min, 20ms);
    ProbeGot(playFrom);
    f.playback = CompareApart(burst_.tokens, TokensOfProbe(probe_.Lines(), playFrom));
    return f;
}

Figures Recordings::Outside(const Recorder& r, bool paced) {
    Figures f;
    f.tool = r.tool;
    std::filesystem::remove(r.out);
    e2e::Child recorder(r.argv);
    if (!FocusProbe()) {
        f.error = "the probe did not get the focus";
        return f;
    }
    // It records once an F12 of ours shows in its file.
    auto sawF12 = [&] {
        const std::string text = ReadAll(r.out);
        for (bool xtest : {false, true})
            for (const DeviceEvent& e : EventsOf(r, text, xtest))
                if (e.type == XCB_KEY_PRESS && e.detail == f12_)
                    return true;
        return false;
    };
    bool recording = false;
    for (int i = 0; i < 50 && !recording && recorder.Running(); ++i) {
        Press({f12_});
        recording = Poll(sawF12, 200ms, 10ms);
    }
    if (!recording) {
        f.error = r.tool + " did not start recording";
        return f;
    }
    Wait(300ms);
    const std::uintmax_t offset = FileSize(r.out);
    const std::size_t from = probe_.Lines().size();
    Measure(recorder.Pid(), r.out, paced, f);
    recorder.Stop();

    const std::string all = ReadAll(r.out);
    const std::string text = all.substr(std::min<std::size_t>(offset, all.size()));
    f.recorded =
        Compare(burst_.tokens, TokensOfDeviceEvents(EventsOf(r, text, true), burst_, f.others));
    if (r.cnee) {
        // cnee writes each event for the XTest device and for the master device it drives; the
        // better of the two counts. Its motion lines carry the pointer's position from before
        // the move, so a click counts wherever it was, and how many were in place is told.
        std::map<std::string, int> others[2];
        std::vector<Token> tokens[2];
        Comparison loose[2];
        for (int xtest = 0; xtest < 2; ++xtest) {
            tokens[xtest] = TokensOfDeviceEvents(EventsOf(r, text, xtest), burst_, others[xtest]);
            loose[xtest] = Compare(burst_.tokens, tokens[xtest], false);
        }
        const auto lost = [](const Comparison& c) { return c.lostKeys + c.lostClicks; };
        const int best = lost(loose[0]) < lost(loose[1]) ? 0 : 1;
        const char* names[2] = {"master", "XTest"};
        f.recorded = loose[best];
        f.others = others[best];
        f.note = "read from the " + std::string(names[best]) + " device's events (the " +
                 names[1 - best] + " device's lose " + std::to_string(lost(loose[1 - best])) +
                 "); clicks counted wherever they were, " +
                 std::to_string(Compare(burst_.tokens, tokens[best]).clicks) + " in place";
    }
    f.probeExact = ProbeGot(from);
    return f;
}

} // namespace kv::bench
