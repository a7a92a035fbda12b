// keyvane_typing_bench: types the same 5000 characters into the probe client with Keyvane's
// X11 back end (through the real player) and with xdotool, under an X server of its own,
// and prints the speed and exactness of each. Run it through bench/typing/run.
//
//   keyvane_typing_bench PROBE [RUNS]

#include "bench/support/BenchProbe.h"
#include "e2e/support/Session.h"
#include "engine/core/Ansi.h"
#include "engine/core/Settings.h"
#include "engine/player/Player.h"
#include "platform/fake/FakeWorld.h"
#include "platform/posix/SystemClock.h"
#include "platform/x11/X11Platform.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using kv::bench::Clock;
using kv::bench::WaitUntil;

// 5000 characters (a line break counts as one): letters, digits, punctuation, shifted
// characters, line breaks and a few Windows-1252 characters, the same every run.
std::vector<std::string> BenchText() {
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string digits = "0123456789";
    const std::string punctuation = "!\"#$%&'()*+,-./:;=>?@[\\]^_`{|}~";
    const std::vector<std::string> accents = {"é", "ß", "€", "ü", "ñ"};
    std::mt19937 random(20240601);
    auto pick = [&](const std::string& from) {
        return std::string(1, from[random() % from.size()]);
    };
    std::vector<std::string> chars;
    int sinceBreak = 0;
    while (chars.size() < 5000) {
        auto roll = random() % 100;
        if (sinceBreak > 60 && roll < 10) {
            chars.push_back("\n");
            sinceBreak = 0;
            continue;
        }
        if (roll < 60)
            chars.push_back(pick(letters));
        else if (roll < 70)
            chars.push_back(pick(digits));
        else if (roll < 85)
            chars.push_back(pick(punctuation));
        else
            chars.push_back(" ");
        ++sinceBreak;
    }
    // A few characters above ASCII, spread out.
    for (std::size_t i = 0; i < 10; ++i)
        chars[250 + i * 480] = accents[i % accents.size()];
    return chars;
}

std::string Join(const std::vector<std::string>& chars, const std::string& lineBreak) {
    std::string s;
    for (const std::string& c : chars)
        s += c == "\n" ? lineBreak : c;
    return s;
}

struct Result {
    std::string method;
    double seconds = 0;
    bool exact = false;
    std::size_t received = 0;
    double typing = 0;           // until the typing call returned
    std::string firstDifference; // where received and expected part, for a look
};

std::string FirstDifference(const std::string& got, const std::string& want) {
    std::size_t i = 0;
    while (i < got.size() && i < want.size() && got[i] == want[i])
        ++i;
    auto excerpt = [&](const std::string& s) {
        std::string e = s.substr(i < 12 ? 0 : i - 12, 28);
        for (char& c : e) {
            if (c == '\r')
                c = '|';
        }
        return "\"" + e + "\"";
    };
    return "at byte " + std::to_string(i) + ": got " + excerpt(got) + ", expected " + excerpt(want);
}

// Types into a fresh probe with `type` and times until the last character has arrived.
Result Measure(kv::x11::X11Platform& p, const std::string& probePath, const std::string& method,
               const std::string& expected, std::size_t count, const std::function<void()>& type) {
    kv::bench::BenchProbe probe(probePath, "Typing bench " + method);
    Result r;
    r.method = method;
    if (!WaitUntil(
            p.Pump(), [&] { return probe.Window() != 0; }, 10s)) {
        std::fprintf(stderr, "the probe did not start\n");
        return r;
    }
    p.GetWindows().Activate(probe.Window());
    auto start = Clock::now();
    type();
    r.typing = std::chrono::duration<double>(Clock::now() - start).count();
    // Done when everything has arrived, or nothing more has for five seconds.
    std::size_t last = 0;
    auto lastChange = Clock::now();
    WaitUntil(
        p.Pump(),
        [&] {
            std::size_t n = probe.Count();
            if (n != last) {
                last = n;
                lastChange = Clock::now();
            }
            return n >= count || Clock::now() - lastChange > 5s;
        },
        10min);
    r.seconds = std::chrono::duration<double>(lastChange - start).count();
    r.received = probe.Count();
    // Enter types "\r"; xdotool sends a line break as Linefeed, which types "\n". Both are
    // the line break asked for.
    std::string got = probe.Text();
    std::replace(got.begin(), got.end(), '\n', '\r');
    r.exact = got == expected;
    if (!r.exact) {
        r.firstDifference = FirstDifference(got, expected);
        if (const char* dump = std::getenv("KEYVANE_BENCH_DUMP")) {
            std::ofstream out(std::string(dump) + "." + method.substr(0, method.find(' ')));
            for (const std::string& l : probe.Lines())
                out << l << "\n";
        }
    }
    return r;
}

void PlayThroughKeyvane(kv::x11::X11Platform& p, const std::string& ansi) {
    kv::fake::FakeWorld world; // files, dialogs and the main window are not typed through
    kv::posix::SystemClock clock;
    kv::Settings settings;
    kv::DispatchState dispatch;
    dispatch.target = p.GetWindows().Foreground();
    kv::Player player({p.GetInput(), p.GetWindows(), p.GetDesktop(), world.files, p.Pump(), clock,
                       world.dialogs, world.app},
                      settings, dispatch);
    player.IntoProgram(ansi);
    p.EndPlayback();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: keyvane_typing_bench PROBE [RUNS]\n");
        return 2;
    }
    const std::string probePath = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    kv::bench::BenchDisplay display(argc, argv);
    if (!display.Ok())
        return 1;
    kv::x11::X11Platform* platform = &display.Platform();

    const std::vector<std::string> chars = BenchText();
    const std::string expected = Join(chars, "\r");
    const std::string macro = kv::Utf8ToAnsi(Join(chars, "\r\n"));
    const std::string forXdotool = Join(chars, "\n");
    const std::string textFile = "/tmp/keyvane-typing-bench-" + std::to_string(getpid());
    std::ofstream(textFile) << forXdotool;

    std::vector<Result> results;
    auto xdotool = [&](std::vector<std::string> args) {
        return [&, args] {
            kv::e2e::Child child(args);
            child.WaitExit(15min);
        };
    };
    for (int i = 0; i < runs; ++i) {
        results.push_back(Measure(*platform, probePath, "keyvane", expected, chars.size(),
                                  [&] { PlayThroughKeyvane(*platform, macro); }));
    }
    for (int i = 0; i < runs; ++i) {
        results.push_back(
            Measure(*platform, probePath, "xdotool --delay 0", expected, chars.size(),
                    xdotool({"xdotool", "type", "--delay", "0", "--file", textFile})));
    }
    results.push_back(Measure(*platform, probePath, "xdotool (default delay)", expected,
                              chars.size(), xdotool({"xdotool", "type", "--file", textFile})));
    std::remove(textFile.c_str());

    auto best = [&](const std::string& method) {
        double b = 0;
        for (const Result& r : results) {
            if (r.method == method && (b == 0 || r.seconds < b))
                b = r.seconds;
        }
        return b;
    };
    const double keyvane = best("keyvane");
    std::printf("%zu characters (%zu line breaks, 10 above ASCII), %d runs each\n", chars.size(),
                static_cast<std::size_t>(std::count(chars.begin(), chars.end(), "\n")), runs);
    std::printf("%-26s %9s %12s %8s %10s %s\n", "method", "seconds", "chars/s", "exact", "received",
                "Keyvane's time as a ratio");
    for (const Result& r : results) {
        std::printf("%-26s %9.3f %12.0f %8s %10zu", r.method.c_str(), r.seconds,
                    r.seconds > 0 ? static_cast<double>(chars.size()) / r.seconds : 0.0,
                    r.exact ? "yes" : "NO", r.received);
        std::printf(" (sent in %.3f s)", r.typing);
        if (r.method != "keyvane" && r.seconds > 0)
            std::printf(" %.3f", keyvane / r.seconds);
        std::printf("\n");
        if (!r.exact)
            std::printf("    first difference %s\n", r.firstDifference.c_str());
    }
    bool allExact = true;
    for (const Result& r : results) {
        if (r.method == "keyvane")
            allExact = allExact && r.exact;
    }
    std::printf("Keyvane exact every run: %s; best Keyvane time / best xdotool --delay 0 time: "
                "%.3f\n",
                allExact ? "yes" : "NO", keyvane / best("xdotool --delay 0"));
    return allExact ? 0 : 1;
}
