// Characters, keys, modifiers, mouse, delays and the abort key.

#include "engine/player/PlayerTestSupport.h"

using namespace kv;
using kv::test::Lines;
using kv::test::PlayerTest;

TEST_F(PlayerTest, ShiftedLettersPressShiftAroundTheKey) {
    EXPECT_EQ(Play("Ab"), (Lines{"down 10", "down 41", "up 41", "up 10", "down 42", "up 42"}));
}

TEST_F(PlayerTest, LineBreaks) {
    EXPECT_EQ(Play("\r"), (Lines{"down 0D", "up 0D"}));
    EXPECT_EQ(Play("\r\n"), (Lines{"down 0D", "up 0D"}));
    // A line feed alone is what the layout makes of it: Ctrl+Enter on a US layout.
    EXPECT_EQ(Play("\n"), (Lines{"down 11", "down 0D", "up 0D", "up 11"}));
}

TEST_F(PlayerTest, CharactersAbove127AndAltTagsGoByTheirCode) {
    EXPECT_EQ(Play("\xE9"), (Lines{"altcode 0233"}));
    EXPECT_EQ(Play("<ALT:065><ALT4:0128>"), (Lines{"altcode 065", "altcode 0128"}));
    // An Alt code leaves a latch alone.
    EXPECT_EQ(Play("<SHIFT>\xE9"
                   "a"),
              (Lines{"down 10", "altcode 0233", "down 41", "up 41", "up 10"}));
}

TEST_F(PlayerTest, TheBackEndHearsOfTheTextsCharactersBeforeTheFirstKey) {
    // Each literal character once, tags and their fields left out.
    Play("ba\xE9<ENTER>a<ACTIVATE:Mail>\xE9<DELAY:00000>c");
    EXPECT_EQ(world.input.prepared, "ba\xE9"
                                    "c");
}

TEST_F(PlayerTest, LatchesReleaseAfterTheNextTypedKey) {
    EXPECT_EQ(Play("<SHIFT>a"), (Lines{"down 10", "down 41", "up 41", "up 10"}));
    EXPECT_EQ(Play("<SHIFT><LCLK>b"), (Lines{"down 10", "button left down", "button left up",
                                             "down 42", "up 42", "up 10"}));
    EXPECT_EQ(Play("<CTRL><F5>"), (Lines{"down 11", "down 74", "up 74", "up 11"}));
    EXPECT_EQ(Play("<ALT><ALT>"), (Lines{"down 12", "up 12"}));
    EXPECT_EQ(Play("<ALT>f"), (Lines{"down 12", "down 46", "up 46", "up 12"}));
    // A latch still set at the end stays down.
    EXPECT_EQ(Play("x<SHIFT>"), (Lines{"down 58", "up 58", "down 10"}));
}

TEST_F(PlayerTest, PlainModifierTagsAndMouseKeys) {
    EXPECT_EQ(Play("<CTLD>c<CTLU>"), (Lines{"down 11", "down 43", "up 43", "up 11"}));
    EXPECT_EQ(Play("<WIND><WINU>"), (Lines{"down 5B", "up 5B"}));
    EXPECT_EQ(Play("<SHIFT><RIGHT MOUSE>"), (Lines{"down 10", "down 02", "up 02", "up 10"}));
}

TEST_F(PlayerTest, ACharacterTheLayoutLacksIsKeyFF) {
    EXPECT_EQ(Play(std::string(1, '\0')), (Lines{"down FF", "up FF"}));
}

TEST_F(PlayerTest, UnrecognisedTagsAreTypedAsText) {
    EXPECT_EQ(Play("<X>"), (Lines{"down 10", "down BC", "up BC", "up 10", "down 10", "down 58",
                                  "up 58", "up 10", "down 10", "down BE", "up BE", "up 10"}));
}

TEST_F(PlayerTest, MouseTags) {
    EXPECT_EQ(Play("<RDCLK>"), (Lines{"button right down", "button right up", "button right down",
                                      "button right up"}));
    EXPECT_EQ(Play("<WFW:003><WBW:002>"), (Lines{"wheel 3", "wheel -2"}));
    EXPECT_EQ(Play("<MMS:00100,00200>"), (Lines{"move 100 200"}));
    const WindowId w = world.windows.AddWindow("Editor");
    world.windows.Find(w)->rect = {50, 60, 500, 400};
    EXPECT_EQ(Play("<MMW:00010,020.5>"), (Lines{"move 60 80"}));
    EXPECT_EQ(Play("<MMS:abcde,00200>"), Lines{}); // not a position
}

TEST_F(PlayerTest, DelaysScaleWithTheSpeedFactor) {
    EXPECT_EQ(Play("<DELAY:00002>"), (Lines{"wait 2000"}));
    EXPECT_EQ(Play("<SPEED:00.50><DELAY:00002><MSD:0100>"), (Lines{"wait 1050"}));
    EXPECT_EQ(Timed("<SPEED:00000><DELAY:00010><MSD:9999><SPKEY:0500>ab<SPMSE:0500><LCLK>"), 0);
    // The paste's wait is not the macro's: it stays at speed 0.
    EXPECT_EQ(Timed("<SPEED:00000><CLIPP>"), 100);
    EXPECT_EQ(Timed("<SPKEY:0100>abcdefghij"), 1000);
    EXPECT_EQ(Timed("<SPMSE:0030><LCLK><WFW:001>"), 60);
    // An unreadable speed changes nothing; every playback starts at speed 1.
    EXPECT_EQ(Timed("<SPEED:abcde><MSD:0010>"), 10);
    EXPECT_EQ(Timed("<MSD:12a4>"), 12);
}

TEST_F(PlayerTest, AbortTakesEffectAtTheNextStepWithOneMessage) {
    int pumps = 0;
    world.pump.onPending = [&] {
        if (++pumps == 1)
            player.RequestAbort();
    };
    dispatch.capsLock = true;
    const Lines lines = Play("<DELAY:00010>abc");
    // The delay runs to its end, then the abort stops everything, with no end-of-playback
    // Caps Lock.
    EXPECT_EQ(lines, (Lines{"down 14", "up 14", "wait 10000", "main-window hide",
                            "message Macro Abort: Keyvane macro has been aborted."}));
}

TEST_F(PlayerTest, AbortStopsEveryNestingLevelOnce) {
    int pumps = 0;
    world.pump.onPending = [&] {
        if (++pumps == 3)
            player.RequestAbort();
    };
    const Lines lines = Play("<REPEAT:0005>ab<ENDREP>cd");
    int messages = 0;
    for (const auto& l : lines)
        messages += l.rfind("message", 0) == 0 ? 1 : 0;
    EXPECT_EQ(messages, 1);
    EXPECT_FALSE(kv::test::PlayerTest::Contains(lines, "down 43")); // "c" never typed
}

TEST_F(PlayerTest, CapsLockIsTurnedOffForTheMacroAndBackOnAfterwards) {
    dispatch.capsLock = true;
    EXPECT_EQ(Play("a"), (Lines{"down 14", "up 14", "down 41", "up 41", "down 14", "up 14"}));
    world.trace.Clear();
    player.PlayScheduled("a");
    world.trace.Finish();
    EXPECT_EQ(world.trace.Lines(), (Lines{"down 41", "up 41"}));
}

TEST_F(PlayerTest, DatesAndTimesAreTypedAsCharacters) {
    EXPECT_EQ(Play("<MM/DD/YYYY{NP001}>"),
              Play("3/4/2001")); // the day before 5 March 2001
    EXPECT_EQ(Play("<hh:mm am{Y}>"), Play("01:07 pm"));
}
