// Repeats, pauses, windows, launches, the clipboard and text files.

#include "engine/player/PlayerTestSupport.h"

#include <algorithm>

using namespace kv;
using kv::test::Lines;
using kv::test::PlayerTest;

namespace {

// Only the letters and digits typed, in order: enough to follow a repeat.
std::string Typed(const Lines& lines) {
    std::string out;
    for (const std::string& l : lines) {
        if (l.rfind("down ", 0) != 0)
            continue;
        const int vk = std::stoi(l.substr(5), nullptr, 16);
        if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
            out.push_back(static_cast<char>(vk));
        if (vk == 0x0D)
            out.push_back('/');
    }
    return out;
}

} // namespace

TEST_F(PlayerTest, RepeatCountsThroughItsPasses) {
    EXPECT_EQ(Typed(Play("<REPEAT:0003>x<III><ENTER><ENDREP>")), "X001/X002/X003/");
    EXPECT_EQ(Typed(Play("<REPEAT:0002><I><I><ENDREP>")), "112");
    EXPECT_EQ(Typed(Play("<I>")), "");
    EXPECT_EQ(Typed(Play("<REPEAT:0002>a<ENDREP><I>")), "AA2");
    EXPECT_EQ(Typed(Play("<REPEAT:0000>a<ENDREP>")), "A");
    EXPECT_EQ(Typed(Play("<REPEAT:0002>a<REPEAT:0003>b<ENDREP>c<ENDREP>")), "ABABBBC");
    EXPECT_EQ(Typed(Play("<REPEAT:0003>ab")), "AB"); // no end: played once
    EXPECT_EQ(Typed(Play("<REPEAT:0012><IIII><ENDREP>")).substr(44), "0012");
    EXPECT_EQ(player.RepCounter(), 12);
}

TEST_F(PlayerTest, PromptedRepeatAsksUntilItGetsANumber) {
    world.dialogs.answers = {"", "abc", "3"};
    const Lines lines = Play("<PROMPTREP>a<ENDREP>");
    EXPECT_EQ(Typed(lines), "AAA");
    EXPECT_TRUE(Contains(lines, "prompt repeat -> 3"));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) {
                                return l.find("Invalid numeric value entered.  Please Correct") !=
                                       std::string::npos;
                            }),
              2);
}

TEST_F(PlayerTest, PauseBoxGeometryAndResume) {
    dispatch.currentNickname = "Letter";
    dispatch.currentActivation = 6; // Ctrl+G
    const std::string message(65, 'm');
    const Lines lines = Play("<PAUSE:700,900" + message + ">a");
    // 65 characters make three lines of 19 pixels: 151 high, moved up and left to fit.
    EXPECT_EQ(lines[0], "main-window hide");
    EXPECT_EQ(lines[1], "pause 800 617 224x151 Pause (Ctrl+G): " + message + " -> Resume");
    EXPECT_EQ(Typed(lines), "A");
    EXPECT_FALSE(dispatch.paused);

    settings.useTray = true;
    const Lines centred = Play("<PAUSE>");
    EXPECT_EQ(centred[0], "app-window show");
    EXPECT_EQ(centred[1], "pause 400 337 224x94 Pause (Ctrl+G) -> Resume");
    EXPECT_EQ(centred[2], "app-window hide");
}

TEST_F(PlayerTest, PauseAbortEndsThePlaybackButStillRestoresTheMainWindow) {
    world.app.minimized = true;
    world.windows.AddWindow("Editor");
    dispatch.target = world.windows.Foreground();
    world.dialogs.answers = {"Abort"};
    const Lines lines = Play("<REPEAT:0003>a<PAUSE>b<ENDREP>c");
    EXPECT_EQ(Typed(lines), "A");
    EXPECT_EQ(lines.back(), "activate Editor");
    EXPECT_TRUE(Contains(lines, "main-window show"));
    EXPECT_TRUE(Contains(lines, "app minimize")); // it was minimised before the pause
    EXPECT_FALSE(Contains(lines, "message Macro Abort: Keyvane macro has been aborted."));
}

TEST_F(PlayerTest, ActivateFindsWindowsByTitle) {
    world.windows.AddWindow("Inbox - Mail");
    world.windows.AddWindow("Untitled - Notepad");
    world.windows.AddWindow("notes.txt - Notepad");
    EXPECT_EQ(Play("<ACTIVATE:notepad>x")[0], "activate Untitled - Notepad");
    EXPECT_EQ(Play("<ACTIVATE:notes.txt - Notepad>")[0], "activate notes.txt - Notepad");
    EXPECT_EQ(dispatch.target, world.windows.Foreground());

    const WindowId mail = world.windows.TopLevelWindows().back();
    world.windows.Find(mail)->minimized = true;
    EXPECT_EQ(Play("<ACTIVATE:INBOX>"), (Lines{"restore Inbox - Mail", "activate Inbox - Mail"}));
}

TEST_F(PlayerTest, AMissingWindowEndsOnlyTheTextItStandsIn) {
    EXPECT_EQ(Play("<ACTIVATE:Nothing Here>abc"), Lines{});
    world.files.contents["inner.txt"] = "a<ACTIVATE:Nothing Here>b";
    EXPECT_EQ(Typed(Play("<TFILE:inner.txt>c")), "AC");
}

TEST_F(PlayerTest, WindowCommands) {
    world.windows.AddWindow("Calculator");
    world.windows.AddWindow("Editor");
    EXPECT_EQ(Play("<WMAX:\"CURRENT\">"), (Lines{"maximize Calculator"}));
    EXPECT_EQ(Play("<WSIZE:0640,0480calc>"), (Lines{"resize Calculator 640 480"}));
    EXPECT_EQ(Play("<WPOS:0010,0020Edit>"), (Lines{"position Editor 10 20"}));
    EXPECT_EQ(Play("<WMIN:edit><WRES:edit><WCLS:edit><WHIDE:edit><WSHOW:edit><WSHUT:edit>"),
              (Lines{"minimize Editor", "restore Editor", "close Editor", "hide Editor",
                     "show Editor", "quit Editor"}));
    EXPECT_EQ(Play("<WMAX:><WMAX:nowhere>x"), (Lines{"down 58", "up 58"}));
    EXPECT_EQ(world.windows.Foreground(), world.windows.TopLevelWindows().front());
}

TEST_F(PlayerTest, LaunchYesActivatesARunningProgramWithoutWaiting) {
    world.windows.AddWindow("Untitled - Notepad");
    EXPECT_EQ(Play("<LAUNCHYES:05Notepad<LAUNCH:notepad.exe>"),
              (Lines{"activate Untitled - Notepad"}));
}

TEST_F(PlayerTest, LaunchWaitsForTheWindowThenItsSeconds) {
    world.windows.onLaunch = [&](std::string_view) {
        world.windows.AddWindow("A very long window title of a program");
    };
    EXPECT_EQ(Play("<LAUNCHNO:05A very long window title of a progrXM<LAUNCH:prog<PARAM>-x>a"),
              (Lines{"launch prog -x", "activate A very long window title of a program",
                     "wait 5000", "down 41", "up 41"}));
}

TEST_F(PlayerTest, ALaunchWhoseWindowNeverComesSkipsTheRestAfter30Seconds) {
    const auto start = world.clock.Ticks();
    EXPECT_EQ(Play("<LAUNCHYES:05Nowhere<LAUNCH:prog>abc"), (Lines{"launch prog", "wait 30000"}));
    EXPECT_EQ((world.clock.Ticks() - start).count(), 30000);
}

TEST_F(PlayerTest, ClipboardCommands) {
    EXPECT_EQ(Play("<BEGCLIP>two\r\nlines<ENDCLIP>"),
              (Lines{"clipboard two\\r\\nlines", "wait 50"}));
    EXPECT_EQ(Play("<CLIPC>"), (Lines{"down 11", "down 43", "up 43", "up 11"}));
    world.files.contents["c.txt"] = std::string("from file\x1A");
    EXPECT_EQ(Play("<CLIPF:c.txt><CLIPF:missing.txt>"), (Lines{"clipboard from file", "wait 50"}));
    // Without its end the block is ignored and the rest is typed.
    EXPECT_EQ(Typed(Play("<BEGCLIP>ab")), "AB");
}

TEST_F(PlayerTest, TextFilesPlayAsMacrosAndCannotRecurseForever) {
    world.files.contents["a.txt"] = "x<TFILE:b.txt>";
    world.files.contents["b.txt"] = "<SPEED:00002>y";
    EXPECT_EQ(Typed(Play("<TFILE:a.txt><MSD:0010>z<TFILE:missing.txt>")), "XYZ");
    EXPECT_EQ(Timed("<TFILE:b.txt><MSD:0010>"), 20); // the speed set inside stays

    world.files.contents["self.txt"] = "<TFILE:self.txt>q";
    EXPECT_EQ(Typed(Play("<TFILE:self.txt>")), std::string(Player::kMaxFileNesting - 1, 'Q'));
}

TEST_F(PlayerTest, FilesAddressesSoundsAndSwap) {
    EXPECT_EQ(
        Play("<CHDIR:/tmp><DELFILE:a><COPYFILE:a;b><RENFILE:b;c><HTTP:www.x.org>"
             "<FTP:ftp.x.org><WAV1:s.wav><WAV2:t.wav><BEEP><SWAP:other.kvn><REM:note><TEST>"),
        (Lines{"chdir /tmp", "delete a", "copy a b", "rename b c", "open www.x.org",
               "open ftp.x.org", "sound s.wav wait", "sound t.wav", "beep", "swap other.kvn"}));
}

TEST_F(PlayerTest, OnTopMessagesDoNotStack) {
    dispatch.onTopMessageOpen = true;
    player.RequestAbort();
    EXPECT_EQ(Play("a"), (Lines{"down 41", "up 41"})); // a new playback clears the abort
    world.pump.onPending = [&] { player.RequestAbort(); };
    EXPECT_EQ(Play("ab"), (Lines{"down 41", "up 41"})); // the message is dropped
}

TEST(PlayTimeDialogs, RepeatCountParsing) {
    EXPECT_EQ(ParseRepeatCount(" 12 "), 12);
    EXPECT_EQ(ParseRepeatCount("0"), 0);
    EXPECT_EQ(ParseRepeatCount("-1"), 65535);
    EXPECT_EQ(ParseRepeatCount("+5"), 5);
    EXPECT_EQ(ParseRepeatCount(""), std::nullopt);
    EXPECT_EQ(ParseRepeatCount("1 2"), std::nullopt);
    EXPECT_EQ(ParseRepeatCount("12x"), std::nullopt);
    EXPECT_EQ(ParseRepeatCount("99999999999"), std::nullopt);
}
