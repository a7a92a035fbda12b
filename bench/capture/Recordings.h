#pragma once
// One recording of the capture benchmark's burst: Keyvane's quick capture (started and
// stopped by its Start / Stop Capture key, kept with Escape in Capture Complete, read back
// and played with kvn), or an outside recorder writing the events to a file (cnee, the
// reference RECORD client). Each measures what came through and the recorder's processor
// time.

#include "bench/capture/Burst.h"
#include "bench/support/BenchProbe.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kv::bench {

struct Figures {
    std::string tool;
    std::string error; // the recording could not be made: why
    Comparison recorded;
    std::map<std::string, int> others; // what the recording holds beyond the burst
    std::string note;                  // how it was read, when that needs saying
    double sentMs = 0;                 // until the server had processed the whole burst
    double writtenMs = 0;              // until the recorder last wrote to its file
    double cpuMs = 0;                  // from the burst until it was written
    double cpuStopMs = -1;             // Keyvane: on through the stop to Capture Complete
    std::string stored;                // Keyvane: the text's size and where it is kept
    bool probeExact = false;           // the probe received the burst whole
    std::optional<Comparison> playback;
};

// An outside recorder: started with `argv`, writing to `out`.
struct Recorder {
    std::string tool;
    std::vector<std::string> argv;
    std::string out;
    bool cnee = false; // its file is a cnee session, else the reference recorder's lines
};

class Recordings {
public:
    Recordings(x11::X11Platform& p, BenchProbe& probe, std::string home, std::string keyvane,
               std::string kvn);
    // The keys Keyvane and the benchmark need are on the layout.
    bool Ok() const;
    void SetBurst(Burst burst) { burst_ = std::move(burst); }
    const std::string& Home() const { return home_; }

    Figures Keyvane(int run, bool paced);
    Figures Outside(const Recorder& recorder, bool paced);

private:
    bool Poll(const std::function<bool()>& done, std::chrono::milliseconds limit,
              std::chrono::milliseconds every = std::chrono::milliseconds(5));
    void Wait(std::chrono::milliseconds d);
    Clock::time_point LastGrowth(const std::string& path);
    void Press(const std::vector<std::uint8_t>& keys);
    bool StartStopTaken();
    WindowId WindowTitled(const std::string& prefix);
    bool FocusProbe();
    std::string Kvn(const std::vector<std::string>& args);
    bool ProbeGot(std::size_t from);
    std::optional<std::string> ReadCaptured(const std::string& file, std::string& place,
                                            Figures& f);
    // Sends the burst and measures the recorder `pid` writing `file` until it is quiet.
    void Measure(pid_t pid, const std::string& file, bool paced, Figures& f);

    x11::X11Platform& p_;
    BenchProbe& probe_;
    std::string home_, keyvane_, kvn_;
    Burst burst_;
    std::vector<std::uint8_t> startStop_; // Ctrl, Alt, Shift, X
    std::uint8_t escape_ = 0, f12_ = 0;
};

} // namespace kv::bench
