// The running program under a real X server: keyvane started with a macro file made by kvn,
// the user's key presses stood in for by xdotool (XTest), the probe window receiving macros.

#include "e2e/support/Harness.h"
#include "support/TempDir.h"

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kv::e2e {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

class KeyvaneApp : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Session().Ok()) << Session().Error();
        ::setenv("KEYVANE_HOME", home.Path().c_str(), 1);
        file = home.File("work.kvn");
        ASSERT_EQ(Kvn({"new", file}), 0);
    }
    void TearDown() override {
        if (keyvane)
            keyvane->Stop();
    }

    int Kvn(std::vector<std::string> args) {
        args.insert(args.begin(), KVN_PATH);
        return RunCommand(args);
    }
    void Add(const std::vector<std::string>& args) {
        std::vector<std::string> all = {"add", file};
        all.insert(all.end(), args.begin(), args.end());
        ASSERT_EQ(Kvn(all), 0);
    }
    // Starts keyvane on the file and waits for its window.
    void Start() {
        keyvane = std::make_unique<Child>(std::vector<std::string>{KEYVANE_PATH, "/F" + file});
        ASSERT_TRUE(WaitUntil([] { return !FindWindow("Keyvane (work)").empty(); }, 10s));
    }
    static WindowId WindowTitled(const std::string& prefix) {
        auto& windows = Platform().GetWindows();
        for (WindowId id : windows.TopLevelWindows())
            if (windows.Title(id).starts_with(prefix))
                return id;
        return 0;
    }
    // Keyvane started, its window in front, Add Macro open with `hotKey` pressed in its box
    // (the box takes the combination itself, not the hook). The main window; 0 when a step
    // failed.
    WindowId AddMacroOnHotKey(const std::string& hotKey) {
        Start();
        auto& windows = Platform().GetWindows();
        const WindowId main = WindowTitled("Keyvane (work)");
        if (main == 0)
            return 0;
        windows.Activate(main);
        if (!WaitUntil([&] { return windows.Foreground() == main; }))
            return 0;
        User({"key", "alt+m", "sleep", "0.3", "key", "a"});
        if (!ForegroundIs("Add Macro"))
            return 0;
        User({"key", "alt+k", "sleep", "0.3", "key", hotKey, "sleep", "0.3"});
        return main;
    }
    // Waits until the window in front has a title starting with `prefix`.
    static bool ForegroundIs(const std::string& prefix) {
        auto& windows = Platform().GetWindows();
        return WaitUntil([&] { return windows.Title(windows.Foreground()).starts_with(prefix); },
                         10s);
    }
    // The capture's end brings the main window forward (the window manager may pass the
    // focus on more than once meanwhile); then the user goes back to the probe.
    static bool BackToProbeAfterCapture(ProbeClient& probe) {
        if (!ForegroundIs("Keyvane (work)"))
            return false;
        // A person looks at the window a moment before going back.
        User({"sleep", "0.5"});
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (probe.Focus())
                return true;
        }
        return false;
    }
    // What `kvn list` says of a macro file (the test's own by default).
    std::string Listed(const std::string& macroFile = {}) {
        const std::string out = home.File("list.txt");
        RunCommand({"sh", "-c", "\"$0\" list \"$1\" > \"$2\"", KVN_PATH,
                    macroFile.empty() ? file : macroFile, out});
        return ReadText(out);
    }
    // A picture of the window with this title, kept in the tests' output folder.
    static void Shot(const std::string& name, const std::string& title) {
        std::filesystem::create_directories(KEYVANE_E2E_OUTPUT);
        const std::string path = std::string(KEYVANE_E2E_OUTPUT) + "/" + name + ".png";
        EXPECT_EQ(RunCommand({KEYVANE_SHOT_PATH, path, title}), 0);
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
    }
    static std::string FindWindow(const std::string& title) {
        auto& w = Platform().GetWindows();
        for (WindowId id : w.TopLevelWindows())
            if (w.Title(id).find(title) != std::string::npos)
                return w.Title(id);
        return {};
    }
    void Profile(const std::string& text) {
        std::filesystem::create_directories(home.File("config"));
        std::ofstream(home.File("config/KVDEF.INI")) << text;
    }
    static void User(const std::vector<std::string>& xdotool) {
        std::vector<std::string> argv = {"xdotool"};
        argv.insert(argv.end(), xdotool.begin(), xdotool.end());
        ASSERT_EQ(RunCommand(argv), 0);
    }

    test::TempDir home;
    std::string file;
    std::unique_ptr<Child> keyvane;
};

TEST_F(KeyvaneApp, AGlobalHotKeyTypesIntoTheWindowInFront) {
    Add({"-n", "Hello", "-k", "Ctrl+Alt+N", "-t", "hello"});
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+n"});
    EXPECT_EQ(probe.WaitForText("hello"), "hello");
}

TEST_F(KeyvaneApp, TheMacroWaitsForTheHeldModifiersToBeReleased) {
    Add({"-n", "X", "-k", "Ctrl+Alt+N", "-t", "x"});
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    // A person's way: the modifiers stay down a moment after the key.
    User({"keydown", "ctrl+alt+n", "sleep", "0.3", "keyup", "n", "sleep", "0.3", "keyup",
          "ctrl+alt"});
    EXPECT_EQ(probe.WaitForText("x"), "x");
    // Typed after the modifiers were let go, so it arrived as a plain "x".
    const auto keys = probe.Lines("key ");
    const auto x = std::find(keys.begin(), keys.end(), "down x");
    ASSERT_NE(x, keys.end());
    EXPECT_NE(std::find(keys.begin(), x, "up Alt_L"), x);
}

TEST_F(KeyvaneApp, AWindowMacroBeatsTheGlobalOneOnTheSameKey) {
    Add({"-n", "G", "-k", "Ctrl+Alt+N", "-t", "g"});
    Add({"-n", "W", "-k", "Ctrl+Alt+N", "--scope", "window", "--scope-name", "Probe", "-t", "w"});
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+n"});
    EXPECT_EQ(probe.WaitForText("w"), "w");
}

TEST_F(KeyvaneApp, ASuffixTypewordFiresOnTheSpaceAndErasesItself) {
    Add({"-n", "Sig", "-w", "sig", "-t", "Yours"});
    Profile("[Typewords]\nUse Suffix=Yes\n");
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"type", "sig "});
    // "sig" and the space, then four Backspaces erasing them, then the macro.
    EXPECT_TRUE(WaitUntil([&] { return probe.Text().ends_with("Yours"); }));
    const auto chars = probe.Lines("char ");
    EXPECT_EQ(std::count(chars.begin(), chars.end(), "8"), 4);
}

TEST_F(KeyvaneApp, APrefixTypewordFiresOnItsLastCharacter) {
    Add({"-n", "Addr", "-w", "ad", "-t", "Main St"});
    Profile("[Typewords]\nUse Suffix=No\nPrefix Keys=;\n");
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"type", ";ad"});
    EXPECT_TRUE(WaitUntil([&] { return probe.Text().ends_with("Main St"); }));
    const auto chars = probe.Lines("char ");
    EXPECT_EQ(std::count(chars.begin(), chars.end(), "8"), 3);
}

TEST_F(KeyvaneApp, AMouseButtonHotKey) {
    Add({"-n", "M", "-k", "Ctrl+Middle Button", "-t", "m"});
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"keydown", "ctrl", "click", "2", "keyup", "ctrl"});
    EXPECT_EQ(probe.WaitForText("m"), "m");
}

TEST_F(KeyvaneApp, ThePauseKeyAbortsALongMacro) {
    Add({"-n", "Long", "-k", "Ctrl+Alt+N", "-t", "a<DELAY:00001>b<DELAY:00001>c"});
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+n"});
    ASSERT_EQ(probe.WaitForText("a"), "a");
    User({"key", "Pause"});
    EXPECT_TRUE(WaitUntil([] { return !FindWindow("Macro Abort").empty(); }, 5s));
    EXPECT_EQ(probe.Text().find('c'), std::string::npos);
}

TEST_F(KeyvaneApp, HotKeysPressedTheInstantKeyvaneStartsAllPlayAndNoOtherKeyArrives) {
    Add({"-n", "X", "-k", "Ctrl+Alt+N", "-t", "x"});
    // A Qt client, and a plain Xlib one that cannot answer _NET_WM_PING (like xterm).
    for (const ProbeKind kind : {ProbeKind::Qt, ProbeKind::Xlib}) {
        SCOPED_TRACE(kind == ProbeKind::Qt ? "Qt probe" : "Xlib probe");
        Start();
        ProbeClient probe("Probe window", "100,100,400,300", kind);
        ASSERT_TRUE(probe.Ready());
        // The first playback since start-up, a second press 20 ms after the first, and a
        // third the moment that one has played.
        User({"key", "ctrl+alt+n", "sleep", "0.02", "key", "ctrl+alt+n", "key", "ctrl+alt+n"});
        EXPECT_EQ(probe.WaitForText("xxx"), "xxx");
        // The probe sees the user's modifiers and the macro's keys, nothing else (the end of
        // a playback is marked in a way that no window receives).
        for (const std::string& line : probe.Lines("key ")) {
            const std::string key = line.substr(line.find(' ') + 1);
            EXPECT_TRUE(key == "x" || key == "Control_L" || key == "Alt_L") << line;
        }
        keyvane->Stop();
        keyvane.reset();
    }
}

TEST_F(KeyvaneApp, AHotKeyPressedWhileAMacroPlaysPlaysAfterIt) {
    Add({"-n", "Slow", "-k", "Ctrl+Alt+N", "-t", "a<DELAY:00001>b"});
    Add({"-n", "Other", "-k", "Ctrl+Alt+M", "-t", "c"});
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+n"});
    ASSERT_EQ(probe.WaitForText("a"), "a");
    User({"key", "ctrl+alt+m", "key", "ctrl+alt+n"});
    EXPECT_EQ(probe.WaitForText("abcab", 15s), "abcab");
}

TEST_F(KeyvaneApp, ASecondCopyIsRefusedAndTheFirstKeepsWorking) {
    Add({"-n", "Hello", "-k", "Ctrl+Alt+N", "-t", "hi"});
    Start();
    Child second({KEYVANE_PATH});
    EXPECT_TRUE(WaitUntil([] { return !FindWindow("").empty(); }, 1s));
    // The refusal is a message box; the second copy ends when it is closed.
    ASSERT_TRUE(WaitUntil([&] { return !second.Running() || !FindWindow("Keyvane").empty(); }));
    second.Stop();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+n"});
    EXPECT_EQ(probe.WaitForText("hi"), "hi");
}

TEST_F(KeyvaneApp, SigtermShutsDownCleanlyAndWritesTheSettings) {
    Start();
    std::filesystem::remove(home.File("config/KVDEF.INI"));
    ::kill(keyvane->Pid(), SIGTERM);
    ASSERT_TRUE(keyvane->WaitExit(5s));
    const std::string ini = ReadText(home.File("config/KVDEF.INI"));
    EXPECT_NE(ini.find("Current File=" + file), std::string::npos) << ini;
    EXPECT_NE(ini.find("[Main Window]"), std::string::npos);
}

TEST_F(KeyvaneApp, ATimedMacroPlaysOnItsScheduleIntoTheWindowInFront) {
    Add({"-n", "Tick", "--every", "1", "-t", "tick"});
    Profile("[Scheduler]\nTimer Seconds=1\n");
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    // Every minute on the minute: at most a minute and a tick away.
    EXPECT_EQ(probe.WaitForText("tick", 75s), "tick") << probe.Describe();
}

TEST_F(KeyvaneApp, AHotKeyThatAnotherProgramHoldsIsReportedOnceByName) {
    Add({"-n", "Hello", "-k", "Ctrl+Alt+N", "-t", "hello"});
    // The test's own connection stands in for the other program.
    xcb_connection_t* other = Platform().Connection().Raw();
    const auto keycode =
        static_cast<xcb_keycode_t>(Platform().X11InputPort().Keyboard().Layout().KeycodeForVk('N'));
    ASSERT_NE(keycode, 0);
    const auto mods = static_cast<std::uint16_t>(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1);
    xcb_grab_key(other, 1, Platform().Connection().Root(), mods, keycode, XCB_GRAB_MODE_ASYNC,
                 XCB_GRAB_MODE_ASYNC);
    xcb_flush(other);
    keyvane = std::make_unique<Child>(std::vector<std::string>{KEYVANE_PATH, "/F" + file});
    ASSERT_TRUE(WaitUntil([] { return !FindWindow("Warning").empty(); }, 10s));
    auto& windows = Platform().GetWindows();
    for (WindowId id : windows.TopLevelWindows())
        if (windows.Title(id) == "Warning")
            windows.Close(id);
    EXPECT_TRUE(WaitUntil([] { return FindWindow("Warning").empty(); }, 5s));
    EXPECT_TRUE(WaitUntil([] { return !FindWindow("Keyvane (work)").empty(); }, 10s));
    // Said once: no second report follows for the same key.
    EXPECT_FALSE(WaitUntil([] { return !FindWindow("Warning").empty(); }, 2s));
    xcb_ungrab_key(other, keycode, Platform().Connection().Root(), mods);
    xcb_flush(other);
}

// A person's session with the main window: open another macro file through the File menu,
// switch its macro off and on again from the Macro menu. Pictures of the window are kept
// in the tests' output folder for a person to look at.
TEST_F(KeyvaneApp, TheMainWindowOpensAFileAndSwitchesAMacroOffAndOn) {
    const std::string second = home.File("second.kvn");
    ASSERT_EQ(Kvn({"new", second}), 0);
    ASSERT_EQ(Kvn({"add", second, "-n", "Hello", "-k", "Ctrl+Alt+N", "-t", "hello"}), 0);
    Start();
    auto& windows = Platform().GetWindows();
    auto windowTitled = WindowTitled;
    auto list = [&] { return Listed(second); };
    auto shot = [](const std::string& name) { Shot(name, "Keyvane (second)"); };
    const WindowId main = windowTitled("Keyvane (work)");
    ASSERT_NE(main, 0u);
    windows.Activate(main);
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() == main; }));

    // File, Open File: the file dialog takes the path typed into it.
    User({"key", "alt+f", "sleep", "0.3", "key", "o"});
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() != main; }, 5s));
    User({"sleep", "0.5", "type", second});
    User({"key", "Return"});
    ASSERT_TRUE(WaitUntil([&] { return windowTitled("Keyvane (second)") != 0; }, 10s))
        << "the file did not open";
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() == main; }));
    shot("main-window-opened");

    // The list starts on its first row, which is the Ctrl+Alt+N macro (before the SYSTEM
    // macros' Ctrl+Alt+Shift keys). Macro, Deactivate Macro.
    EXPECT_NE(list().find("5\tCtrl+Alt+N\tHello\tGLOBAL\ton"), std::string::npos);
    User({"key", "alt+m", "sleep", "0.3", "key", "v"});
    ASSERT_TRUE(
        WaitUntil([&] { return list().find("Hello\tGLOBAL\toff") != std::string::npos; }, 5s))
        << list();
    shot("main-window-macro-off");
    // Switched off, its hot key is let go: the key reaches the window in front as it is.
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+n"});
    EXPECT_FALSE(WaitUntil([&] { return probe.Text().find("hello") != std::string::npos; }, 1s));

    windows.Activate(main);
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() == main; }));
    User({"key", "alt+m", "sleep", "0.3", "key", "v"});
    ASSERT_TRUE(
        WaitUntil([&] { return list().find("Hello\tGLOBAL\ton") != std::string::npos; }, 5s))
        << list();
    shot("main-window-macro-on");
    ASSERT_TRUE(probe.Focus());
    User({"key", "ctrl+alt+n"});
    EXPECT_TRUE(WaitUntil([&] { return probe.Text().ends_with("hello"); })) << probe.Describe();
}

// A person makes a macro from the main window alone: Add Macro, the hot key pressed in its
// box, Enter Directly, a nickname and a text typed into the direct editor, Update. The hot
// key then types the text; Modify Directly changes it.
TEST_F(KeyvaneApp, AMacroMadeThroughAddMacroAndTheDirectEditorPlays) {
    auto& windows = Platform().GetWindows();
    const WindowId main = AddMacroOnHotKey("ctrl+alt+g");
    ASSERT_NE(main, 0u);
    Shot("add-macro", "Add Macro");
    // Every combination in the box is a hot key, so Tab leaves it before Alt+E.
    User({"key", "Tab", "sleep", "0.2", "key", "alt+e"});
    ASSERT_TRUE(ForegroundIs("Modify Hot Key  (GLOBAL)"));
    User({"sleep", "0.3", "type", "Greet"});
    User({"key", "alt+x", "sleep", "0.2", "type", "hello "});
    User({"key", "alt+k", "sleep", "0.3", "key", "n"}); // Keys, E&nter
    // Actions, D&ELAY: a tenth of a second, through its dialog.
    User({"key", "alt+a", "sleep", "0.3", "key", "e"});
    ASSERT_TRUE(ForegroundIs("Set Delay"));
    User({"sleep", "0.3", "type", "0.1"});
    Shot("command-dialog", "Set Delay");
    User({"key", "Return"});
    ASSERT_TRUE(ForegroundIs("Modify Hot Key"));
    Shot("direct-editor", "Modify Hot Key");
    User({"key", "alt+u"});
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() == main; }));

    EXPECT_NE(Listed().find("Ctrl+Alt+G\tGreet\tGLOBAL\ton"), std::string::npos) << Listed();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+g"});
    EXPECT_EQ(probe.WaitForText("hello \r"), "hello \r");

    // Modify Directly: the new macro is the selected row.
    windows.Activate(main);
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() == main; }));
    User({"key", "alt+m", "sleep", "0.3", "key", "d"});
    ASSERT_TRUE(ForegroundIs("Modify Hot Key"));
    User({"sleep", "0.3", "key", "alt+x", "key", "ctrl+End", "type", "again"});
    User({"key", "alt+u"});
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() == main; }));
    probe.Focus();
    probe.Clear();
    User({"key", "ctrl+alt+g"});
    EXPECT_EQ(probe.WaitForText("hello \ragain"), "hello \ragain");
}

// The same through the scripting editor: a Text line written in the text editor, then Ok.
TEST_F(KeyvaneApp, AMacroMadeThroughAddMacroAndTheScriptingEditorPlays) {
    auto& windows = Platform().GetWindows();
    const WindowId main = AddMacroOnHotKey("ctrl+alt+j");
    ASSERT_NE(main, 0u);
    User({"key", "Tab", "sleep", "0.2", "key", "alt+s"});
    ASSERT_TRUE(ForegroundIs("Macro Scripting Editor  (GLOBAL)"));
    User({"sleep", "0.3", "type", "Scripted"});
    // Commands: "Text" chosen by typing it, then Add opens the text editor.
    User({"key", "alt+m", "sleep", "0.2", "type", "Text"});
    User({"key", "alt+a"});
    ASSERT_TRUE(ForegroundIs("Enter Keystrokes"));
    User({"sleep", "0.3", "type", "abc"});
    User({"key", "alt+u"});
    ASSERT_TRUE(ForegroundIs("Macro Scripting Editor"));
    Shot("scripting-editor", "Macro Scripting Editor");
    // The wizard, looked at and left.
    User({"key", "alt+z"});
    ASSERT_TRUE(ForegroundIs("Scripting Wizard"));
    Shot("wizard", "Scripting Wizard");
    User({"key", "alt+x"});
    ASSERT_TRUE(ForegroundIs("Macro Scripting Editor"));
    User({"key", "alt+o"});
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() == main; }));

    EXPECT_NE(Listed().find("Ctrl+Alt+J\tScripted\tGLOBAL\ton"), std::string::npos) << Listed();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+j"});
    EXPECT_EQ(probe.WaitForText("abc"), "abc");
}

// "&Try" in the scripting editor of a saved macro: the script plays into the window the
// user came from, not into Keyvane, and Keyvane comes back after it; Pause stops a long try
// as it stops any macro.
TEST_F(KeyvaneApp, TryPlaysTheScriptIntoTheWindowBeforeKeyvaneAndPauseStopsIt) {
    Add({"-n", "Long", "-k", "Ctrl+Alt+N", "-t", "a<DELAY:00001>b<DELAY:00001>c"});
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    auto& windows = Platform().GetWindows();
    const WindowId main = WindowTitled("Keyvane (work)");
    windows.Activate(main);
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() == main; }));
    User({"key", "alt+m", "sleep", "0.3", "key", "s"});
    ASSERT_TRUE(ForegroundIs("Macro Scripting Editor  (GLOBAL)"));

    User({"sleep", "0.3", "key", "alt+t"});
    ASSERT_EQ(probe.WaitForText("a"), "a");
    User({"key", "Pause"});
    ASSERT_TRUE(ForegroundIs("Macro Abort"));
    User({"key", "Return"});
    ASSERT_TRUE(ForegroundIs("Macro Scripting Editor"));
    EXPECT_EQ(probe.Text(), "a");

    User({"sleep", "0.3", "key", "alt+t"});
    EXPECT_EQ(probe.WaitForText("aabc"), "aabc");
    ASSERT_TRUE(ForegroundIs("Macro Scripting Editor"));
    // Cancel: the macro is as it was.
    User({"sleep", "0.3", "key", "Escape"});
    ASSERT_TRUE(WaitUntil([&] { return windows.Foreground() == main; }));
    EXPECT_NE(Listed().find("Ctrl+Alt+N\tLong\tGLOBAL\ton"), std::string::npos) << Listed();
}

// A person records a macro: the Start/Stop Capture hot key, its message, typing and a click
// into the probe, the hot key again, a hot key given in "Capture Complete". That hot key
// then does it all again, at the same place.
TEST_F(KeyvaneApp, AQuickCaptureRecordsTypingAndClicksThatItsHotKeyPlaysBack) {
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+shift+x"});
    ASSERT_TRUE(ForegroundIs("Start Capture"));
    User({"key", "Return"});
    ASSERT_TRUE(probe.Focus());
    User({"type", "Hi <there>"});
    User({"key", "Return", "mousemove", "210", "220", "click", "1"});
    ASSERT_TRUE(probe.WaitForLine("button up left 210 220")) << probe.Describe();
    User({"key", "ctrl+alt+shift+x"});
    ASSERT_TRUE(ForegroundIs("Capture Complete"));
    Shot("capture-complete", "Capture Complete");
    User({"sleep", "0.3", "key", "alt+k", "sleep", "0.3", "key", "ctrl+alt+k", "sleep", "0.3"});
    User({"key", "Tab", "key", "alt+n", "type", "Recorded"});
    User({"key", "alt+o"});
    ASSERT_TRUE(BackToProbeAfterCapture(probe));
    EXPECT_NE(Listed().find("Ctrl+Alt+K\tRecorded\tGLOBAL\ton"), std::string::npos) << Listed();
    probe.Clear();
    User({"mousemove", "10", "10", "key", "ctrl+alt+k"});
    EXPECT_EQ(probe.WaitForText("Hi <there>\r"), "Hi <there>\r");
    EXPECT_TRUE(probe.WaitForLine("button down left 210 220")) << probe.Describe();
    EXPECT_TRUE(probe.WaitForLine("button up left 210 220")) << probe.Describe();
}

// Clicks and a drag on the second monitor (the right half of the session's screen) are
// recorded at their X screen positions and played back exactly there.
TEST_F(KeyvaneApp, ACaptureOnTheSecondMonitorPlaysBackAtTheSamePlaces) {
    Profile("[Capture]\nPrompt=No\n");
    Start();
    ProbeClient probe("Probe right", "1500,200,600,400");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+shift+x"});
    ASSERT_TRUE(WaitUntil([&] { return Listed().find("\tCapture\t") != std::string::npos; }));
    User({"mousemove", "1700", "350", "click", "1", "sleep", "0.2", "mousemove", "1600", "300"});
    User(
        {"mousedown", "1", "mousemove", "1750", "380", "mousemove", "1800", "400", "mouseup", "1"});
    ASSERT_TRUE(probe.WaitForLine("button up left 1800 400")) << probe.Describe();
    User({"key", "ctrl+alt+shift+x"});
    ASSERT_TRUE(ForegroundIs("Capture Complete"));
    User({"sleep", "0.3", "key", "alt+k", "sleep", "0.3", "key", "ctrl+alt+j", "sleep", "0.3"});
    User({"key", "Tab", "key", "alt+o"});
    ASSERT_TRUE(BackToProbeAfterCapture(probe));
    probe.Clear();
    User({"mousemove", "10", "10", "key", "ctrl+alt+j"});
    EXPECT_TRUE(probe.WaitForLine("button up left 1800 400")) << probe.Describe();
    const auto buttons = probe.Lines("button ");
    EXPECT_EQ(buttons, (std::vector<std::string>{"down left 1700 350", "up left 1700 350",
                                                 "down left 1600 300", "up left 1800 400"}));
}

// Positions measured from the window in front: the probe moves between the capture and the
// playback, and the click follows it.
TEST_F(KeyvaneApp, AWindowRelativeCaptureFollowsTheWindow) {
    Profile("[Capture]\nPrompt=No\nRelative To Screen=No\nTime=No\n");
    Start();
    ProbeClient probe("Probe window", "100,100,500,400");
    ASSERT_TRUE(probe.Ready());
    auto& windows = Platform().GetWindows();
    const auto before = windows.Rect(probe.Window());
    ASSERT_TRUE(before);
    User({"key", "ctrl+alt+shift+x"});
    ASSERT_TRUE(WaitUntil([&] { return Listed().find("\tCapture\t") != std::string::npos; }));
    ASSERT_TRUE(probe.Focus());
    User({"mousemove", "300", "250", "click", "3"});
    ASSERT_TRUE(probe.WaitForLine("button up right 300 250")) << probe.Describe();
    User({"key", "ctrl+alt+shift+x"});
    ASSERT_TRUE(ForegroundIs("Capture Complete"));
    User({"sleep", "0.3", "key", "alt+k", "sleep", "0.3", "key", "ctrl+alt+j", "sleep", "0.3"});
    User({"key", "Tab", "key", "alt+o"});
    ASSERT_TRUE(BackToProbeAfterCapture(probe));

    windows.Move(probe.Window(), 900, 500);
    std::optional<WindowRect> after;
    ASSERT_TRUE(WaitUntil([&] {
        after = windows.Rect(probe.Window());
        return after && after->left != before->left;
    }));
    probe.Clear();
    User({"key", "ctrl+alt+j"});
    const std::string at = std::to_string(300 + after->left - before->left) + " " +
                           std::to_string(250 + after->top - before->top);
    EXPECT_TRUE(probe.WaitForLine("button up right " + at)) << at << "\n" << probe.Describe();
}

// On a German layout: umlauts, shifted and AltGr characters are recorded as the
// characters they gave, and a shortcut as its keys; played back, the same characters come.
TEST_F(KeyvaneApp, ACaptureOnAGermanLayoutGivesBackTheSameCharacters) {
    ASSERT_EQ(RunCommand({"setxkbmap", "de"}), 0);
    struct UsAgain {
        ~UsAgain() { RunCommand({"setxkbmap", "us"}); }
    } usAgain;
    Profile("[Capture]\nPrompt=No\nTime=No\n");
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+shift+x"});
    ASSERT_TRUE(WaitUntil([&] { return Listed().find("\tCapture\t") != std::string::npos; }));
    const std::string text = "Gr\xC3\xBC\xC3\x9F"
                             "e @ 5 \xE2\x82\xAC {\xC3\xB6}";
    User({"type", text});
    ASSERT_EQ(probe.WaitForText(text), text);
    User({"key", "ctrl+alt+shift+x"});
    ASSERT_TRUE(ForegroundIs("Capture Complete"));
    User({"sleep", "0.3", "key", "alt+k", "sleep", "0.3", "key", "ctrl+alt+k", "sleep", "0.3"});
    User({"key", "Tab", "key", "alt+o"});
    ASSERT_TRUE(BackToProbeAfterCapture(probe));
    probe.Clear();
    User({"key", "ctrl+alt+k"});
    EXPECT_EQ(probe.WaitForText(text), text) << probe.Describe();
}

// SYSTEM "Menu of Macros for Top Most Window": the macros of the probe's title, in a menu
// that has the keyboard at once; a key chooses, and the macro plays into the probe.
TEST_F(KeyvaneApp, TheMenuOfTheWindowInFrontTakesAKeyAndPlaysIntoThatWindow) {
    Add({"-n", "Sign", "-k", "Ctrl+Alt+N", "--scope", "window", "--scope-name", "Probe", "-t",
         "signed"});
    Add({"-n", "Other", "-k", "Ctrl+Alt+O", "--scope", "window", "--scope-name", "Mail", "-t",
         "mail"});
    Add({"-n", "Date", "-k", "Ctrl+Alt+M", "--scope", "window", "--scope-name", "probe", "-t",
         "dated"});
    Start();
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    User({"key", "ctrl+alt+shift+z"});
    ASSERT_TRUE(ForegroundIs("Choose A Macro"));
    Shot("popup-menu", "Choose A Macro");
    User({"key", "1"});
    EXPECT_EQ(probe.WaitForText("dated"), "dated") << probe.Describe();
    EXPECT_TRUE(FindWindow("Choose A Macro").empty());
}

// "Place in System Tray" with a tray on the desktop (trayer): Keyvane starts as its icon,
// a click on the icon brings the window, going to another window hides it again, and the
// icon's menu ends Keyvane.
TEST_F(KeyvaneApp, InTheTrayKeyvaneLivesAsItsIcon) {
    Add({"-n", "Hello", "-k", "Ctrl+Alt+N", "-t", "hello"});
    Profile("[Misc]\nUse Tray=Yes\n");
    Child tray({"trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request",
                "--height", "24", "--SetDockType", "true"});
    // The tray's panel, which holds the icons.
    const std::vector<std::string> panel = {"search", "--sync", "--name", "^panel$"};
    ASSERT_EQ(RunCommand({"xdotool", "search", "--sync", "--name", "^panel$"}), 0);
    keyvane = std::make_unique<Child>(std::vector<std::string>{KEYVANE_PATH, "/F" + file});
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    // Running, with no window: its hot keys work (pressed until it has started).
    bool played = false;
    for (int i = 0; i < 20 && !played; ++i) {
        User({"key", "ctrl+alt+n"});
        played = WaitUntil([&] { return probe.Text().ends_with("hello"); }, 500ms);
    }
    EXPECT_TRUE(played);
    EXPECT_TRUE(FindWindow("Keyvane (work)").empty());

    auto clickIcon = [&](const std::string& button) {
        std::vector<std::string> args = panel;
        args.insert(args.end(), {"mousemove", "--window", "%1", "12", "12", "click", button});
        User(args);
    };
    clickIcon("1");
    auto& windows = Platform().GetWindows();
    ASSERT_TRUE(
        WaitUntil([&] { return windows.Title(windows.Foreground()) == "Keyvane (work)"; }, 5s));
    ASSERT_TRUE(probe.Focus());
    EXPECT_TRUE(WaitUntil([] { return FindWindow("Keyvane (work)").empty(); }, 5s));

    // The icon's menu: "&Terminate and Unload".
    clickIcon("3");
    User({"sleep", "0.5", "key", "t"});
    ASSERT_TRUE(keyvane->WaitExit(5s));
    EXPECT_NE(ReadText(home.File("config/KVDEF.INI")).find("Use Tray=Yes"), std::string::npos);
    tray.Stop();
}

TEST_F(KeyvaneApp, KvnPlaysIntoTheWindowInFront) {
    ProbeClient probe("Probe window");
    ASSERT_TRUE(probe.Ready());
    ASSERT_EQ(Kvn({"play", "Hi \xC3\xA9<ENTER>x<SHIFT>y"}), 0);
    EXPECT_EQ(probe.WaitForText("Hi \xC3\xA9\rxY"), "Hi \xC3\xA9\rxY");
}

} // namespace
} // namespace kv::e2e
