// Hot keys and Typewords end to end over the fake platform: which macro plays, the guards
// and what is typed.

#include "engine/activation/Dispatch.h"
#include "engine/activation/Typewords.h"
#include "platform/fake/FakeWorld.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

using Lines = std::vector<std::string>;

class RecordingHost : public DispatchHost {
public:
    void ShowMainWindow() override { calls.push_back("show main window"); }
    void StartACapture() override { calls.push_back("capture"); }
    void MenuTopWindow() override { calls.push_back("menu top window"); }
    int ShowPopupMenu(int place) override {
        calls.push_back("popup " + std::to_string(place));
        return popupChoice;
    }
    std::vector<std::string> calls;
    int popupChoice = -1;
};

class DispatchTest : public ::testing::Test {
protected:
    DispatchTest() {
        settings.currentFile = dir.File("T.KVN");
        file.LoadMacroFile(settings.currentFile); // places 1..4: the SYSTEM macros
    }

    // Appends a macro; returns its place.
    int Add(std::uint16_t activation, Scope scope, const std::string& text,
            const std::string& scopeName = "", bool topMostOnly = true, bool active = true,
            const std::string& typeword = "") {
        MacroRecord r;
        r.nickname = "m" + std::to_string(block.MacroCount() + 1);
        r.activation = activation;
        r.scope = static_cast<std::uint16_t>(scope);
        r.scopeName = scopeName;
        r.topMostOnly = topMostOnly ? 1 : 0;
        r.active = active ? 1 : 0;
        r.typeword = typeword;
        r.text = text;
        block.SetMacroCount(block.MacroCount() + 1);
        EXPECT_TRUE(file.WriteMacroRecord(MacroFile::kAppend, r));
        return block.MacroCount();
    }

    Lines Press(std::uint16_t code) {
        world.trace.Clear();
        dispatch.OnHotKey({code, world.windows.Foreground()});
        world.trace.Finish();
        return world.trace.Lines();
    }

    Lines Type(const std::string& chars) {
        world.trace.Clear();
        for (char c : chars)
            typewords.OnTyped({TypedChar::Character, c});
        world.trace.Finish();
        return world.trace.Lines();
    }

    test::TempDir dir;
    fake::FakeWorld world;
    fake::RecordingPrompts prompts;
    Settings settings;
    OwnedSharedBlock block;
    MacroFile file{settings, block, prompts, world.clock};
    DispatchState state;
    Player player{{world.input, world.windows, world.desktop, world.files, world.pump, world.clock,
                   world.dialogs, world.app},
                  settings,
                  state};
    RecordingHost host;
    Dispatch dispatch{settings, block, file, player, state, host, world.input, world.windows};
    Typewords typewords{settings, block,       file,          player,     dispatch,
                        state,    world.input, world.windows, world.pump, world.clock};
};

constexpr std::uint16_t kCtrlG = 6;
const Lines kTypedX = {"down 58", "up 58", "down 2B", "up 2B"};
const Lines kTypedY = {"down 59", "up 59", "down 2B", "up 2B"};

TEST_F(DispatchTest, TheLaterOfTwoGlobalMacrosOnOneKeyPlays) {
    Add(kCtrlG, Scope::Global, "w");
    Add(kCtrlG, Scope::Global, "x");
    EXPECT_EQ(Press(kCtrlG), kTypedX);
    EXPECT_TRUE(block.Playing());
}

TEST_F(DispatchTest, AWindowMacroBeatsAGlobalOneWhileItsWindowIsInFront) {
    world.windows.AddWindow("Inbox - Mail");
    Add(kCtrlG, Scope::Global, "x");
    Add(kCtrlG, Scope::Window, "y", "mail");
    EXPECT_EQ(Press(kCtrlG), kTypedY);
    world.windows.Activate(world.windows.AddWindow("Editor"));
    EXPECT_EQ(Press(kCtrlG), kTypedX);
}

TEST_F(DispatchTest, ProgramMacrosMatchTheProgramInFront) {
    const int pid = world.windows.AddProcess("gedit");
    world.windows.AddWindow("notes", pid);
    Add(kCtrlG, Scope::Global, "x");
    Add(kCtrlG, Scope::Program, "y", "GEDIT");
    EXPECT_EQ(Press(kCtrlG), kTypedY);
}

TEST_F(DispatchTest, AnIfRunningMacroActivatesItsWindow) {
    world.windows.AddWindow("Editor");
    world.windows.AddWindow("Inbox - Mail");
    Add(kCtrlG, Scope::Global, "x");
    Add(kCtrlG, Scope::Window, "y", "mail", /*topMostOnly=*/false);
    const Lines lines = Press(kCtrlG);
    EXPECT_EQ(lines.front(), "activate Inbox - Mail");
    EXPECT_EQ(Lines(lines.begin() + 1, lines.end()), kTypedY);
}

TEST_F(DispatchTest, ASwitchedOffMacroNeverPlays) {
    Add(kCtrlG, Scope::Global, "x");
    Add(kCtrlG, Scope::Global, "y", "", true, /*active=*/false);
    EXPECT_EQ(Press(kCtrlG), kTypedX);
}

TEST_F(DispatchTest, GuardsRefuseWithWarnings) {
    Add(kCtrlG, Scope::Global, "x");
    state.popupShown = true;
    EXPECT_EQ(Press(kCtrlG),
              (Lines{"main-window hide", std::string("message Warning: ") + warning::kPopupShown}));
    state.popupShown = false;
    block.SetCaptureFlag(true);
    EXPECT_EQ(Press(kCtrlG)[1], std::string("message Warning: ") + warning::kCapturing);
    block.SetCaptureFlag(false);
    state.paused = true;
    state.currentPlace = 99;
    EXPECT_EQ(Press(kCtrlG)[1], std::string("message Warning: ") + warning::kPaused);
}

TEST_F(DispatchTest, ThePausedMacrosOwnKeyOrResumePauseResumesIt) {
    const int place = Add(kCtrlG, Scope::Global, "x");
    state.paused = true;
    state.currentPlace = place;
    EXPECT_EQ(Press(kCtrlG), (Lines{"pause resumed"}));
    EXPECT_EQ(Press(264), (Lines{"pause resumed"})); // the SYSTEM Resume Pause key
    EXPECT_EQ(Press(264 | kCapsLockBit), (Lines{"down 14", "up 14", "pause resumed"}));
}

TEST_F(DispatchTest, SystemKeys) {
    Press(262);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"show main window"}));
    Press(263);
    Press(265);
    EXPECT_EQ(host.calls.back(), "menu top window");
    EXPECT_EQ(host.calls[1], "capture");
    // Resume Pause with nothing paused: the key is spent and nothing happens.
    EXPECT_EQ(Press(264), Lines{});
    state.paused = true;
    dispatch.ActivateMe();
    EXPECT_EQ(host.calls.size(), 3u);
}

TEST_F(DispatchTest, CapsLockIsTurnedOffForTheMacro) {
    Add(kCtrlG, Scope::Global, "x");
    EXPECT_EQ(Press(kCtrlG | kCapsLockBit), (Lines{"down 14", "up 14", "down 58", "up 58",
                                                   "down 14", "up 14", "down 2B", "up 2B"}));
}

// "&Try" in the scripting editor: the script plays into the first window that is not
// Keyvane's own and not minimised, with a hot key's guards and its end marker.
TEST_F(DispatchTest, ATriedScriptPlaysIntoTheWindowBeforeKeyvanes) {
    constexpr int kOwn = 4242;
    const int editorPid = world.windows.AddProcess("gedit");
    world.windows.AddWindow("Macro Scripting Editor", kOwn);
    world.windows.AddWindow("Keyvane (work)", kOwn);
    world.windows.Minimize(world.windows.AddWindow("Mail"));
    const WindowId notes = world.windows.AddWindow("notes", editorPid);
    world.windows.AddWindow("Terminal");
    EXPECT_EQ(FrontWindowBesides(world.windows, kOwn), notes);

    world.trace.Clear();
    EXPECT_EQ(dispatch.TryText("x", "Greet", notes, /*capsLock=*/true), nullptr);
    world.trace.Finish();
    EXPECT_EQ(world.trace.Lines(), (Lines{"activate notes", "down 14", "up 14", "down 58", "up 58",
                                          "down 14", "up 14", "down 2B", "up 2B"}));
    EXPECT_EQ(state.currentNickname, "Greet");
    EXPECT_EQ(state.currentPlace, 0);
    EXPECT_TRUE(block.Playing());

    const struct {
        bool paused, popup, capture;
        const char* warning;
    } refusals[] = {{true, false, false, warning::kPaused},
                    {false, true, false, warning::kPopupShown},
                    {false, false, true, warning::kCapturing}};
    for (const auto& r : refusals) {
        state.paused = r.paused;
        state.popupShown = r.popup;
        block.SetCaptureFlag(r.capture);
        world.trace.Clear();
        EXPECT_STREQ(dispatch.TryText("x", "", notes, false), r.warning);
        world.trace.Finish();
        EXPECT_EQ(world.trace.Lines(), Lines{});
    }
    // Only Keyvane's own windows: nothing to activate.
    fake::FakeWorld alone;
    alone.windows.AddWindow("Keyvane (work)", kOwn);
    EXPECT_EQ(FrontWindowBesides(alone.windows, kOwn), 0u);
}

TEST_F(DispatchTest, APopupMenuChoiceRunsTheChosenMacro) {
    const int x = Add(kCtrlG, Scope::Global, "x");
    const int menu = Add(7, Scope::PopupMenu, "");
    host.popupChoice = x;
    EXPECT_EQ(Press(7), kTypedX);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"popup " + std::to_string(menu)}));
    EXPECT_FALSE(state.popupShown);
}

// A menu that holds itself, chosen again and again, stops after a depth no person reaches.
TEST_F(DispatchTest, AMenuChoosingItselfStopsAtTheDepthLimit) {
    const int menu = Add(7, Scope::PopupMenu, "");
    host.popupChoice = menu;
    EXPECT_EQ(Press(7), Lines{});
    EXPECT_EQ(host.calls.size(), static_cast<std::size_t>(Dispatch::kMaxNestedMenus));
    EXPECT_FALSE(state.popupShown);
}

TEST_F(DispatchTest, PrefixTypewordsFireOnTheirLastCharacter) {
    settings.prefixKeys = ";";
    Add(kActivationTypeword, Scope::Global, "x", "", true, true, "ad");
    EXPECT_EQ(Type(";a"), Lines{});
    EXPECT_EQ(Type("d"), (Lines{"down 08", "up 08", "down 08", "up 08", "down 08", "up 08",
                                "wait 100", "down 58", "up 58", "down 2B", "up 2B"}));
    EXPECT_EQ(typewords.Buffer(), "");

    settings.solitaryUsage = true;
    EXPECT_EQ(Type("x;ad"), Lines{});
}

TEST_F(DispatchTest, SuffixTypewordsFireOnSpaceOrEnter) {
    settings.useSuffix = true;
    Add(kActivationTypeword, Scope::Global, "x", "", true, true, "ad");
    EXPECT_EQ(Type("bad "), Lines{});
    const Lines lines = Type("ad\r");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "down 08"), 3);
    settings.caseSensitive = true;
    EXPECT_EQ(Type("Ad "), Lines{});
    settings.caseSensitive = false;
    const Lines folded = Type("Ad ");
    EXPECT_EQ(std::count(folded.begin(), folded.end(), "down 58"), 1);
}

TEST_F(DispatchTest, TypewordCaseAndScope) {
    settings.useSuffix = true;
    settings.caseSensitive = false;
    Add(kActivationTypeword, Scope::Global, "x", "", true, true, "ad");
    Add(kActivationTypeword, Scope::Window, "y", "Mail", true, true, "ad");
    world.windows.AddWindow("Editor");
    Lines lines = Type("AD ");
    EXPECT_EQ(Lines(lines.end() - 4, lines.end()), kTypedX);
    world.windows.Activate(world.windows.AddWindow("Inbox - Mail"));
    lines = Type("ad ");
    EXPECT_EQ(Lines(lines.end() - 4, lines.end()), kTypedY);
}

TEST_F(DispatchTest, APausedMacroRefusesTypewordsWithoutErasing) {
    settings.useSuffix = true;
    Add(kActivationTypeword, Scope::Global, "x", "", true, true, "ad");
    state.paused = true;
    const Lines lines = Type("ad ");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "down 08"), 0);
    EXPECT_EQ(lines.back(), std::string("message Warning: ") + warning::kPaused);
}

TEST(TypewordOptions, PrefixKeysCheck) {
    EXPECT_EQ(CheckPrefixKeys(";"), std::nullopt);
    EXPECT_EQ(CheckPrefixKeys(""), std::nullopt);
    EXPECT_NE(CheckPrefixKeys("'"), std::nullopt);
    EXPECT_NE(CheckPrefixKeys(" "), std::nullopt);
}

} // namespace
