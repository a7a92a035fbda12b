// kvn play: plays a macro text, for real on the X display or as a dry run that prints
// what Keyvane would do.

#include "app/kvn/Kvn.h"

#include "engine/core/Ansi.h"
#include "engine/core/MacroFile.h"
#include "engine/player/Player.h"
#include "platform/fake/FakeWorld.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/SystemClock.h"
#include "platform/x11/X11Platform.h"

#include <QGuiApplication>

#include <cstdlib>

#include <cstdio>
#include <iostream>

namespace kvn {
namespace {

struct PlayOptions {
    std::string text;
    std::string file;
    int place = 0;
    bool dryRun = false;
    std::vector<std::string> windows;
    std::vector<std::string> programs;
    std::vector<std::string> answers;
    bool capsLock = false;
    std::string now;
};

kv::DateTime ParseNow(const std::string& s) {
    kv::DateTime t;
    char tail = 0;
    if (std::sscanf(s.c_str(), "%d-%d-%d %d:%d:%d%c", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                    &t.second, &tail) != 6 ||
        !t.IsValid())
        throw KvnError("--now takes \"YYYY-MM-DD HH:MM:SS\", not \"" + s + "\"");
    return t;
}

// The text to play and, from a record, who plays it (the Pause box shows it).
struct Macro {
    std::string text;
    std::string nickname;
    std::uint16_t activation = kv::kActivationTimed;
};

Macro LoadMacro(const PlayOptions& o) {
    Macro m;
    if (o.file.empty()) {
        m.text = ToAnsi(o.text, "the macro text");
        return m;
    }
    kv::RecordScan scan;
    try {
        scan = kv::ScanMacroFile(ToAnsi(o.file, "the file name"));
    } catch (const std::runtime_error& e) {
        throw KvnError(e.what());
    }
    if (o.place < 1 || static_cast<std::size_t>(o.place) > scan.records.size())
        throw KvnError(o.file + " has no macro at place " + std::to_string(o.place));
    const kv::MacroRecord& r = scan.records[static_cast<std::size_t>(o.place - 1)];
    m.text = r.text;
    m.nickname = r.nickname;
    m.activation = r.activation;
    return m;
}

void DryRun(const PlayOptions& o) {
    const Macro macro = LoadMacro(o);
    kv::fake::FakeWorld world;
    world.clock.Set(o.now.empty() ? kv::posix::SystemClock().Now() : ParseNow(o.now));
    for (const std::string& title : o.windows)
        world.windows.AddWindow(ToAnsi(title, "a window title"));
    for (const std::string& program : o.programs)
        world.windows.AddProcess(ToAnsi(program, "a program name"));
    for (const std::string& answer : o.answers)
        world.dialogs.answers.push_back(ToAnsi(answer, "an answer"));
    world.trace.onLine = [](const std::string& line) { std::cout << kv::AnsiToUtf8(line) << '\n'; };

    kv::Settings settings;
    kv::DispatchState dispatch;
    dispatch.capsLock = o.capsLock;
    dispatch.target = world.windows.Foreground();
    dispatch.currentNickname = macro.nickname;
    dispatch.currentActivation = macro.activation;
    kv::Player player({world.input, world.windows, world.desktop, world.files, world.pump,
                       world.clock, world.dialogs, world.app},
                      settings, dispatch);
    player.IntoProgram(macro.text);
    world.trace.Finish();
}

// kvn has no window of its own: the play-time dialogs become lines on standard error, the
// Pause box resumes at once and the repeat prompt answers 1.
class ConsoleDialogs : public kv::PlayDialogs {
public:
    bool RunPauseBox(const kv::PauseBoxLayout& b, kv::WindowId) override {
        std::cerr << "kvn: " << kv::AnsiToUtf8(b.caption) << ": " << kv::AnsiToUtf8(b.message)
                  << " (resumed)\n";
        return true;
    }
    void ResumePauseBox() override {}
    std::uint16_t RunRepeatPrompt() override { return 1; }
    void RunOnTopMessage(std::string_view caption, std::string_view text) override {
        std::cerr << "kvn: " << kv::AnsiToUtf8(caption) << ": " << kv::AnsiToUtf8(text) << '\n';
    }
};

class NoAppWindow : public kv::AppWindow {
public:
    void ShowApplicationWindow() override {}
    void HideApplicationWindow() override {}
    bool IsApplicationMinimized() override { return false; }
    void RestoreApplication() override {}
    void MinimizeApplication() override {}
    bool IsMainWindowVisible() override { return false; }
    void ShowMainWindow() override {}
    void HideMainWindow() override {}
    void SwapMacroFile(const std::string& path) override {
        std::cerr << "kvn: <SWAP:" << kv::AnsiToUtf8(path) << "> needs a running Keyvane\n";
    }
};

void PlayForReal(const PlayOptions& o) {
    const Macro macro = LoadMacro(o);
    if (!std::getenv("DISPLAY"))
        throw KvnError("no X display (DISPLAY is not set); use --dry-run");
    int argc = 1;
    char name[] = "kvn";
    char* argv[] = {name, nullptr};
    // The clipboard, sounds and the event loop are Qt's; the xcb platform is the X display.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    std::string error;
    auto platform = kv::x11::OpenPlatform(&error);
    if (!platform)
        throw KvnError(error);
    kv::posix::SystemClock clock;
    kv::posix::PosixFiles files;
    ConsoleDialogs dialogs;
    NoAppWindow appWindow;
    kv::Settings settings;
    kv::DispatchState dispatch;
    dispatch.target = platform->GetWindows().Foreground();
    dispatch.currentNickname = macro.nickname;
    dispatch.currentActivation = macro.activation;
    dispatch.capsLock = o.capsLock;
    kv::Player player({platform->GetInput(), platform->GetWindows(), platform->GetDesktop(), files,
                       platform->Pump(), clock, dialogs, appWindow},
                      settings, dispatch);
    player.IntoProgram(macro.text);
    platform->EndPlayback();
}

} // namespace

void AddPlayVerb(CLI::App& app) {
    static PlayOptions o;
    auto* cmd = app.add_subcommand("play", "Play a macro text, or with --dry-run show what "
                                           "Keyvane would do");
    auto* text = cmd->add_option("TEXT", o.text, "The macro text (UTF-8)");
    auto* file = cmd->add_option("--file", o.file, "Play the macro of a record of this file");
    cmd->add_option("--place", o.place, "With --file: the record's place")->needs(file);
    file->excludes(text);
    cmd->add_flag("--dry-run", o.dryRun, "Print what would happen instead of doing it");
    // One value per use (--window A --window B): a macro text after the option stays the
    // macro text.
    cmd->add_option("--window", o.windows,
                    "Dry run: a window of the fake desktop, front to back (repeatable)")
        ->allow_extra_args(false);
    cmd->add_option("--program", o.programs, "Dry run: a running program (repeatable)")
        ->allow_extra_args(false);
    cmd->add_option("--answer", o.answers,
                    "Dry run: what the Pause box or repeat prompt answers, in order (Resume, "
                    "Abort or a number; repeatable)")
        ->allow_extra_args(false);
    cmd->add_flag("--caps-lock", o.capsLock, "Caps Lock was on when the macro started");
    cmd->add_option("--now", o.now, "Dry run: the clock's start, \"YYYY-MM-DD HH:MM:SS\"");
    cmd->callback([] {
        if (o.file.empty() && o.text.empty())
            throw CLI::ValidationError("play", "a TEXT or --file with --place is required");
        if (!o.file.empty() && o.place == 0)
            throw CLI::ValidationError("play", "--file needs --place");
        if (o.dryRun)
            DryRun(o);
        else
            PlayForReal(o);
    });
}

} // namespace kvn
