// keyvane_capture_bench: how well Keyvane's capture records a fast burst of input, under an
// X server of its own. `keyvane` runs on a macro file; its Start / Stop Capture key starts a
// quick capture, the benchmark sends a burst of keystrokes and clicks into the probe client
// by XTest, and the same key stops the capture; Escape in Capture Complete keeps the macro.
// The stored text, read back with kvn, is set against the burst (events lost or added), then
// played into the probe with `kvn play`, which must give the burst again. The same burst is
// recorded by `cnee --record` and by the reference RECORD client, which does nothing but
// print what the server sends it. The burst goes out twice: flooding (as fast as the
// connection takes it) and paced (each keystroke or click waits for a reply of the server).
// Processor time comes from /proc/PID/stat. Run it through bench/capture/run.
//
//   keyvane_capture_bench PROBE KEYVANE KVN REFERENCE [RUNS]

#include "bench/capture/Burst.h"
#include "bench/capture/Recordings.h"
#include "bench/support/BenchProbe.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using kv::bench::Comparison;
using kv::bench::Figures;

constexpr std::size_t kKeystrokes = 2000;
constexpr std::size_t kClicks = 200;
constexpr int kInset = 20; // clicks keep off the probe's edges

struct Row {
    bool paced = false;
    int run = 0;
    Figures f;
};

// The probe's inside on the screen, less a margin.
std::optional<kv::bench::Area> ProbeArea(kv::x11::X11Platform& p, kv::WindowId window) {
    xcb_connection_t* c = p.Connection().Raw();
    const auto w = static_cast<xcb_window_t>(window);
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    xcb_translate_coordinates_reply_t* t = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, w, p.Connection().Root(), 0, 0), nullptr);
    std::optional<kv::bench::Area> area;
    if (g && t && g->width > 4 * kInset && g->height > 4 * kInset)
        area = kv::bench::Area{t->dst_x + kInset, t->dst_y + kInset, g->width - 2 * kInset,
                               g->height - 2 * kInset};
    std::free(g);
    std::free(t);
    return area;
}

std::string Counted(std::size_t got, std::size_t of) {
    return std::to_string(got) + "/" + std::to_string(of);
}

double Median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void PrintRow(const Row& row, std::size_t keys, std::size_t clicks) {
    const Figures& f = row.f;
    const char* mode = row.paced ? "paced" : "flood";
    if (!f.error.empty()) {
        std::printf("%-5s %-3d %-9s failed: %s\n", mode, row.run, f.tool.c_str(), f.error.c_str());
        return;
    }
    const Comparison& r = f.recorded;
    char stop[32] = "-";
    if (f.cpuStopMs >= 0)
        std::snprintf(stop, sizeof stop, "%.0f", f.cpuStopMs);
    std::string plays = "-";
    if (f.playback)
        plays = f.playback->exact ? "equal" : "DIFFERS";
    std::printf("%-5s %-3d %-9s %9s %7s %5zu %5zu %8.1f %10.1f %6.0f %8s %-15s %-5s %s\n", mode,
                row.run, f.tool.c_str(), Counted(r.keys, keys).c_str(),
                Counted(r.clicks, clicks).c_str(), r.lostKeys + r.lostClicks, r.extra, f.sentMs,
                f.writtenMs, f.cpuMs, stop, f.stored.empty() ? "-" : f.stored.c_str(),
                f.probeExact ? "whole" : "NOT", plays.c_str());
    if (!f.note.empty())
        std::printf("      %s\n", f.note.c_str());
    if (!r.exact)
        std::printf("      recorded: first difference %s\n", r.firstDifference.c_str());
    if (!f.others.empty()) {
        std::printf("      recorded beyond the burst:");
        for (const auto& [what, n] : f.others)
            std::printf(" %s x%d", what.c_str(), n);
        std::printf("\n");
    }
    if (f.playback && !f.playback->exact)
        std::printf("      played back: %zu keys and %zu clicks lost, %zu extra; first "
                    "difference %s\n",
                    f.playback->lostKeys, f.playback->lostClicks, f.playback->extra,
                    f.playback->firstDifference.c_str());
}

void PrintLegend() {
    std::printf(
        "keys, clicks: the burst's found in order in the recording; lost, extra: after the "
        "longest common subsequence (a changed event counts in both)\n"
        "sent ms: until the server had processed the burst; written ms: until the recorder "
        "last wrote to its file (Keyvane: the capture's TempCap.Txt), both from the first "
        "event\n"
        "cpu ms: the recorder's utime+stime (/proc/PID/stat, 10 ms ticks) from the burst until "
        "written; +stop: Keyvane's on through the stop key until Capture Complete shows\n"
        "probe: the probe client received the burst whole; plays back: `kvn play` of the "
        "stored macro into the probe gave the burst again (the same characters and click "
        "places; what a client receives is compared keys and clicks apart: a window manager's "
        "grab of a press holds the click back while keys go on arriving)\n");
}

// Medians per tool and the Keyvane / cnee ratios, for one way of sending.
void PrintSummary(const std::vector<Row>& rows, bool paced) {
    std::vector<double> cpu[3], written[3];
    std::size_t lost[3] = {0, 0, 0};
    const char* tools[3] = {"keyvane", "cnee", "reference"};
    for (const Row& row : rows) {
        if (row.paced != paced || !row.f.error.empty())
            continue;
        for (int t = 0; t < 3; ++t) {
            if (row.f.tool != tools[t])
                continue;
            cpu[t].push_back(row.f.cpuMs);
            written[t].push_back(row.f.writtenMs);
            lost[t] += row.f.recorded.lostKeys + row.f.recorded.lostClicks;
        }
    }
    std::printf("%s: medians", paced ? "paced" : "flood");
    for (int t = 0; t < 3; ++t)
        std::printf("%s %s cpu %.0f ms, written %.1f ms", t ? ";" : "", tools[t], Median(cpu[t]),
                    Median(written[t]));
    std::printf("\n       events lost in all runs: keyvane %zu, cnee %zu, reference %zu", lost[0],
                lost[1], lost[2]);
    const double kc = Median(cpu[0]), cc = Median(cpu[1]);
    if (cc > 0)
        std::printf("; cpu keyvane / cnee %.2f", kc / cc);
    if (Median(written[1]) > 0)
        std::printf("; written keyvane / cnee %.2f", Median(written[0]) / Median(written[1]));
    std::printf("\n");
}

bool Met(const std::vector<Row>& rows, bool paced) {
    for (const Row& row : rows) {
        if (row.paced != paced || row.f.tool != "keyvane")
            continue;
        const Figures& f = row.f;
        if (!f.error.empty() || f.recorded.lostKeys + f.recorded.lostClicks > 0 ||
            f.recorded.extra > 0 || !f.others.empty() || !f.playback || !f.playback->exact)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: keyvane_capture_bench PROBE KEYVANE KVN REFERENCE [RUNS]\n");
        return 2;
    }
    const std::string probePath = argv[1], keyvanePath = argv[2], kvnPath = argv[3],
                      referencePath = argv[4];
    const int runs = argc > 5 ? std::max(1, std::atoi(argv[5])) : 3;
    char dir[] = "/tmp/keyvane-capture-bench-XXXXXX";
    if (!mkdtemp(dir))
        return 1;
    const std::string home = dir;
    setenv("KEYVANE_HOME", home.c_str(), 1);
    // openbox focuses and raises a window it is clicked in by grabbing the pointer at each
    // press; at the burst's pace that now and then keeps a press from the probe. Its window
    // manager here has no mouse bindings: the benchmark brings the probe forward itself.
    std::filesystem::create_directories(home + "/xdg/openbox");
    std::ofstream(home + "/xdg/openbox/rc.xml")
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
           "  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>\n"
           "  <mouse><dragThreshold>8</dragThreshold></mouse>\n"
           "</openbox_config>\n";
    setenv("XDG_CONFIG_HOME", (home + "/xdg").c_str(), 1);
    kv::bench::BenchDisplay display(argc, argv);
    if (!display.Ok())
        return 1;
    kv::x11::X11Platform& platform = display.Platform();
    // No message at the start. No waits in the text: the burst comes faster than a
    // millisecond an event, and what is measured is whether every event is there.
    std::filesystem::create_directories(home + "/config");
    std::ofstream(home + "/config/KVDEF.INI")
        << "[Capture]\nPrompt=No\nTime=No\nKeys=Yes\nMouse=Yes\nRelative To Screen=Yes\n";

    // A plain Xlib client reports events in the order the server delivers them.
    kv::bench::BenchProbe probe(probePath, "Burst probe", "100,100,900,700");
    if (!kv::bench::WaitUntil(
            platform.Pump(), [&] { return probe.Window() != 0; }, 10s)) {
        std::fprintf(stderr, "the probe did not start\n");
        return 1;
    }
    const std::optional<kv::bench::Area> area = ProbeArea(platform, probe.Window());
    kv::bench::Recordings recordings(platform, probe, home, keyvanePath, kvnPath);
    kv::bench::Burst burst =
        area ? kv::bench::MakeBurst(platform, kKeystrokes, kClicks, *area) : kv::bench::Burst{};
    if (!recordings.Ok() || burst.tokens.empty()) {
        std::fprintf(stderr, "the layout lacks a key the burst needs, or the probe has no room\n");
        return 1;
    }
    const std::size_t keys = burst.keystrokes, clicks = burst.clicks;
    recordings.SetBurst(burst);
    const kv::bench::Recorder cnee{"cnee",
                                   {"cnee", "--record", "--keyboard", "--mouse",
                                    "--events-to-record", "-1", "-o", home + "/cnee.xns", "-e",
                                    home + "/cnee.log"},
                                   home + "/cnee.xns",
                                   true};
    const kv::bench::Recorder reference{
        "reference",
        {"sh", "-c", "exec \"$0\" > \"$1\"", referencePath, home + "/reference.txt"},
        home + "/reference.txt",
        false};

    std::vector<Row> rows;
    for (int run = 1; run <= runs; ++run) {
        for (bool paced : {false, true}) {
            rows.push_back({paced, run, recordings.Keyvane(run, paced)});
            rows.push_back({paced, run, recordings.Outside(cnee, paced)});
            rows.push_back({paced, run, recordings.Outside(reference, paced)});
        }
    }
    // For a look at what went wrong: the probe's reports and the burst stay with the files.
    if (std::getenv("KEYVANE_BENCH_KEEP")) {
        std::ofstream lines(home + "/probe.txt");
        for (const std::string& l : probe.Lines())
            lines << l << "\n";
        std::ofstream tokens(home + "/burst.txt");
        for (const kv::bench::Token& t : burst.tokens)
            tokens << (t.click ? "click " + std::to_string(t.x) + " " + std::to_string(t.y)
                               : "char " + std::to_string(int{t.c}))
                   << "\n";
        std::printf("kept %s\n", home.c_str());
    } else
        std::filesystem::remove_all(home);

    std::printf("Burst: %zu keystrokes (%zu with Shift, %zu Enter) and %zu left clicks inside "
                "the probe, %zu XTest events; %d runs; Keyvane's [Capture]: Prompt=No, Time=No\n",
                keys, burst.shifted, burst.enters, clicks, burst.xEvents, runs);
    std::printf("%-5s %-3s %-9s %9s %7s %5s %5s %8s %10s %6s %8s %-15s %-5s %s\n", "mode", "run",
                "tool", "keys", "clicks", "lost", "extra", "sent ms", "written ms", "cpu ms",
                "+stop ms", "stored chars", "probe", "plays back");
    for (bool paced : {false, true})
        for (const Row& row : rows)
            if (row.paced == paced)
                PrintRow(row, keys, clicks);
    PrintLegend();
    PrintSummary(rows, false);
    PrintSummary(rows, true);
    const bool flood = Met(rows, false), paced = Met(rows, true);
    std::printf("Target (Keyvane: nothing lost or added, the playback equal to the burst, every "
                "run): flood %s, paced %s\n",
                flood ? "met" : "NOT met", paced ? "met" : "NOT met");
    return flood && paced ? 0 : 1;
}
