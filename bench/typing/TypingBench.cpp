// keyvane_typing_bench: types the same texts into a probe client with Keyvane's X11 back end
// (through the real player) and with xdotool, under an X server of its own, and prints the
// speed and exactness of each: under the US and the German layout, into a Qt client (which
// answers _NET_WM_PING) and a plain Xlib client (which does not). Run it through
// bench/typing/run.
//
//   keyvane_typing_bench QT_PROBE XLIB_PROBE [RUNS]

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
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using kv::bench::Clock;
using kv::bench::WaitUntil;

// `count` characters (a line break counts as one) of letters, digits, punctuation, shifted
// characters and blanks, with `breaks` line breaks spread out, the same every run.
std::vector<std::string> AsciiText(std::size_t count, std::size_t breaks, bool lettersOnly) {
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string digits = "0123456789";
    const std::string punctuation = "!\"#$%&'()*+,-./:;=>?@[\\]^_`{|}~";
    std::mt19937 random(20240601);
    auto pick = [&](const std::string& from) {
        return std::string(1, from[random() % from.size()]);
    };
    std::vector<std::string> chars;
    while (chars.size() < count) {
        auto roll = random() % 100;
        if (lettersOnly || roll < 60)
            chars.push_back(pick(letters));
        else if (roll < 70)
            chars.push_back(pick(digits));
        else if (roll < 85)
            chars.push_back(pick(punctuation));
        else
            chars.push_back(" ");
    }
    for (std::size_t i = 1; i <= breaks; ++i)
        chars[i * count / (breaks + 1)] = "\n";
    return chars;
}

// Puts `count` of `extra` into the text, spread out, never over a line break.
std::vector<std::string> Sprinkle(std::vector<std::string> chars,
                                  const std::vector<std::string>& extra, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t at = (i * 2 + 1) * chars.size() / (count * 2);
        if (chars[at] == "\n")
            ++at;
        chars[at] = extra[i % extra.size()];
    }
    return chars;
}

struct BenchText {
    std::string name;
    std::vector<std::string> chars;
    bool withXdotool; // the short texts only measure what one character outside costs
};

std::vector<BenchText> BenchTexts() {
    // Every accented letter Windows-1252 has in common use, and the euro sign.
    const std::vector<std::string> outside = {"ß", "à", "ç", "é", "ñ", "ü", "€"};
    return {
        {"ascii", AsciiText(5000, 100, false), true},
        {"mixed", Sprinkle(AsciiText(5000, 100, false), outside, 54), true},
        {"letters", AsciiText(2000, 0, true), false},
        {"letters+50 é", Sprinkle(AsciiText(2000, 0, true), {"é"}, 50), false},
    };
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
    WaitUntil(
        p.Pump(), [&] { return p.GetWindows().Foreground() == probe.Window(); }, 2s);
    auto start = Clock::now();
    type();
    r.typing = std::chrono::duration<double>(Clock::now() - start).count();
    // Done when everything has arrived, or nothing more has for three seconds.
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
            return n >= count || Clock::now() - lastChange > 3s;
        },
        10min);
    r.received = probe.Count();
    // Until the last character's report arrived, whenever the typing call returned.
    if (r.received > 0)
        r.seconds = std::chrono::duration<double>(probe.Arrival(r.received - 1) - start).count();
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

std::string Join(const std::vector<std::string>& chars, const std::string& lineBreak) {
    std::string s;
    for (const std::string& c : chars)
        s += c == "\n" ? lineBreak : c;
    return s;
}

std::size_t Outside(const std::vector<std::string>& chars) {
    return static_cast<std::size_t>(std::count_if(
        chars.begin(), chars.end(), [](const std::string& c) { return c.size() > 1; }));
}

bool SetLayout(const std::string& layout) {
    kv::e2e::Child child({"setxkbmap", "-layout", layout});
    return child.WaitExit(20s);
}

// The best of a method's runs, and whether every run was exact.
struct Summary {
    double best = 0;
    bool allExact = true;
    std::size_t fewestReceived = 0;
    std::string firstDifference;
    void Add(const Result& r) {
        if (best == 0 || r.seconds < best)
            best = r.seconds;
        if (fewestReceived == 0 || r.received < fewestReceived)
            fewestReceived = r.received;
        if (!r.exact && allExact)
            firstDifference = r.firstDifference;
        allExact = allExact && r.exact;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: keyvane_typing_bench QT_PROBE XLIB_PROBE [RUNS]\n");
        return 2;
    }
    const std::map<std::string, std::string> probes = {{"qt", argv[1]}, {"xlib", argv[2]}};
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    kv::bench::BenchDisplay display(argc, argv);
    if (!display.Ok())
        return 1;
    kv::x11::X11Platform& platform = display.Platform();
    const std::string textFile = "/tmp/keyvane-typing-bench-" + std::to_string(getpid());

    std::printf("best of %d runs; seconds until the last character arrived\n", runs);
    std::printf("%-7s %-13s %-5s %-18s %8s %8s %6s %9s %s\n", "layout", "text", "probe", "method",
                "seconds", "chars/s", "exact", "received", "Keyvane / xdotool");
    bool keyvaneExact = true;
    for (const std::string layout : {"us", "de"}) {
        if (!SetLayout(layout)) {
            std::fprintf(stderr, "setxkbmap -layout %s failed\n", layout.c_str());
            return 1;
        }
        std::map<std::string, double> lettersTime; // per probe: the plain letters' time
        for (const BenchText& text : BenchTexts()) {
            const std::string expected = Join(text.chars, "\r");
            const std::string macro = kv::Utf8ToAnsi(Join(text.chars, "\r\n"));
            std::ofstream(textFile) << Join(text.chars, "\n");
            for (const auto& [probeName, probePath] : probes) {
                Summary keyvane;
                Summary xdotool;
                for (int i = 0; i < runs; ++i) {
                    keyvane.Add(Measure(platform, probePath, "keyvane", expected, text.chars.size(),
                                        [&] { PlayThroughKeyvane(platform, macro); }));
                }
                if (text.withXdotool) {
                    for (int i = 0; i < runs; ++i) {
                        xdotool.Add(Measure(platform, probePath, "xdotool --delay 0", expected,
                                            text.chars.size(), [&] {
                                                kv::e2e::Child child({"xdotool", "type", "--delay",
                                                                      "0", "--file", textFile});
                                                child.WaitExit(15min);
                                            }));
                    }
                }
                keyvaneExact = keyvaneExact && keyvane.allExact;
                auto row = [&](const char* method, const Summary& m, double ratio) {
                    std::printf("%-7s %-13s %-5s %-18s %8.3f %8.0f %6s %9zu", layout.c_str(),
                                text.name.c_str(), probeName.c_str(), method, m.best,
                                m.best > 0 ? static_cast<double>(text.chars.size()) / m.best : 0.0,
                                m.allExact ? "yes" : "NO", m.fewestReceived);
                    if (ratio > 0)
                        std::printf(" %.3f", ratio);
                    std::printf("\n");
                    if (!m.allExact)
                        std::printf("    first difference %s\n", m.firstDifference.c_str());
                };
                row("keyvane", keyvane, 0);
                if (text.withXdotool)
                    row("xdotool --delay 0", xdotool,
                        xdotool.best > 0 ? keyvane.best / xdotool.best : 0);
                if (text.name == "letters")
                    lettersTime[probeName] = keyvane.best;
                else if (!text.withXdotool && lettersTime.count(probeName))
                    std::printf("    one character outside the layout costs %.3f ms\n",
                                (keyvane.best - lettersTime[probeName]) * 1000.0 /
                                    static_cast<double>(Outside(text.chars)));
            }
        }
    }
    std::remove(textFile.c_str());
    SetLayout("us");
    std::printf("Keyvane exact every run: %s\n", keyvaneExact ? "yes" : "NO");
    return keyvaneExact ? 0 : 1;
}
