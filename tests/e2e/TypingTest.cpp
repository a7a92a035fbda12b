// Characters and keys as the probe receives them, played through Keyvane's player.

#include "e2e/support/Harness.h"
#include "engine/player/PlayerTypes.h"

#include <gmock/gmock.h>

namespace kv::e2e {
namespace {

using ::testing::ElementsAre;

std::string PrintableAscii() {
    std::string s;
    for (char c = ' '; c <= '~'; ++c)
        s += c;
    return s;
}

// Key presses only, without the modifiers the player adds around characters.
std::vector<std::string> KeyDowns(ProbeClient& probe) {
    return probe.Lines("key down ");
}

std::string ProbeName(ProbeKind kind) {
    return kind == ProbeKind::Qt ? "Qt" : "Xlib";
}

// Into a Qt client and into a plain Xlib one, which reads keys and keymap changes its own way.
class Typing : public ::testing::TestWithParam<ProbeKind> {
protected:
    void SetUp() override {
        probe_ = std::make_unique<ProbeClient>("Typing probe", "100,100,400,300", GetParam());
        ASSERT_TRUE(probe_->Ready()) << probe_->Describe();
    }
    ProbeClient& Probe() { return *probe_; }

private:
    std::unique_ptr<ProbeClient> probe_;
};

TEST_P(Typing, EveryPrintableAsciiCharacterArrivesInOrder) {
    const std::string text = PrintableAscii();
    Play(text);
    EXPECT_EQ(Probe().WaitForText(text), text);
}

TEST_P(Typing, ShiftedCharactersAndCapitalsGetShiftAndLoseItAgain) {
    Play("aBc!D~e");
    EXPECT_EQ(Probe().WaitForText("aBc!D~e"), "aBc!D~e");
    // Shift is released after each shifted character, so the next one is unshifted.
    auto downs = KeyDowns(Probe());
    EXPECT_EQ(std::count(downs.begin(), downs.end(), "Shift_L"), 4);
}

TEST_P(Typing, CrLfIsOneEnterAndATabIsTab) {
    Play("a\r\nb\tc");
    EXPECT_EQ(Probe().WaitForText("a\rb\tc"), "a\rb\tc");
    auto downs = KeyDowns(Probe());
    EXPECT_EQ(std::count(downs.begin(), downs.end(), "Return"), 1);
}

TEST_P(Typing, KeyTagsPressTheirKeys) {
    Play("<F5><ENTER><TAB><ESC><LEFT ARROW><HOME><DELETE><PAGE UP><BACKSPACE><F12><F13><F24>"
         "<KEYP5><KEYP*><LEFTWIN><APP><INSERT>");
    ASSERT_TRUE(Probe().WaitForLine("key up Insert"));
    EXPECT_THAT(KeyDowns(Probe()), ElementsAre("F5", "Return", "Tab", "Escape", "Left", "Home",
                                               "Delete", "Prior", "BackSpace", "F12", "F13", "F24",
                                               "KP_5", "KP_Multiply", "Super_L", "Menu", "Insert"));
}

TEST_P(Typing, LatchedModifiersHoldForTheNextKeyOnly) {
    Play("<SHIFT>ab<SHFD>cd<SHFU>e");
    EXPECT_EQ(Probe().WaitForText("AbCDe"), "AbCDe");
}

TEST_P(Typing, CtrlAndAltLatchesMakeShortcutsNotCharacters) {
    Play("<CTRL>a<ALT>f");
    ASSERT_TRUE(Probe().WaitForLine("key up Alt_L"));
    EXPECT_THAT(Probe().Lines("key "),
                ElementsAre("down Control_L", "down a", "up a", "up Control_L", "down Alt_L",
                            "down f", "up f", "up Alt_L"));
}

TEST_P(Typing, Windows1252CharactersAboveAsciiArrive) {
    // Straight in the text (the player types them by ANSI code) and by the Alt code tags,
    // which read three digits as the OEM code page and a leading zero as ANSI.
    const std::string text = "é ß € ü Ä ™ ÿ <ALT:130><ALT4:0128><ALT:065>";
    Play(text);
    const std::string expected = "é ß € ü Ä ™ ÿ é€A";
    EXPECT_EQ(Probe().WaitForText(expected), expected);
}

TEST_P(Typing, SpareKeysServeTheNextPlaybackAndAreGivenBackAfterwards) {
    x11::SpareKeys& spares = Platform().X11InputPort().Keyboard().Spares();
    const std::size_t changes = spares.Changes();
    // A playback that follows at once finds the key still bound: no change of the keymap.
    Play("ñ");
    Play("ñ");
    EXPECT_EQ(spares.Changes(), changes + 1);
    EXPECT_EQ(Probe().WaitForText("ññ"), "ññ");
    EXPECT_TRUE(WaitUntil([&] { return spares.BoundCount() == 0; }, 2s));
    EXPECT_EQ(spares.Changes(), changes + 2);
    // And the same character binds again next time.
    Play("ñ");
    EXPECT_EQ(Probe().WaitForText("ñññ"), "ñññ");
}

TEST_P(Typing, TheEndOfPlaybackMarkerReachesNoWindowAndChangesNoKey) {
    // Programs act on the Execute key (Emacs opens its command prompt), and every change of
    // the keymap makes each client read it again: the marker must be neither.
    x11::SpareKeys& spares = Platform().X11InputPort().Keyboard().Spares();
    Input& input = Platform().GetInput();
    const std::size_t changes = spares.Changes();
    for (int i = 0; i < 5; ++i) {
        Play("x");
        input.Key(vk::kExecute, false);
        input.Key(vk::kExecute, true);
        Platform().EndPlayback();
    }
    Play("y");
    ASSERT_TRUE(Probe().WaitForLine("key up y"));
    EXPECT_EQ(spares.Changes(), changes);
    std::vector<std::string> expected;
    for (const char* k : {"x", "x", "x", "x", "x", "y"}) {
        expected.push_back(std::string("down ") + k);
        expected.push_back(std::string("up ") + k);
    }
    EXPECT_EQ(Probe().Lines("key "), expected);
}

TEST_P(Typing, ManyDistinctMissingCharactersReuseThePool) {
    // More distinct characters than spare keys, twice over: the oldest bindings are reused.
    std::string text;
    for (char32_t c = U'À'; c <= U'ÿ'; ++c)
        text += QString::fromUcs4(&c, 1).toStdString();
    Play(text);
    EXPECT_EQ(Probe().WaitForText(text), text);
}

class GermanLayout : public Typing {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCommand({"setxkbmap", "de"}), 0);
        Typing::SetUp();
    }
    void TearDown() override { RunCommand({"setxkbmap", "us"}); }
};

TEST_P(GermanLayout, TheSameTextArrivesUnchanged) {
    const std::string text = PrintableAscii() + "\r\näöüß€@{[]}\\|~^`yz";
    Play(text);
    std::string expected = PrintableAscii() + "\räöüß€@{[]}\\|~^`yz";
    EXPECT_EQ(Probe().WaitForText(expected), expected);
}

TEST_P(GermanLayout, AltGrCharactersComeFromTheThirdLevel) {
    // VkKeyScanA on a German layout: @ is AltGr+Q, which Windows spells Ctrl+Alt.
    auto at = Platform().GetInput().VkKeyScan('@');
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, (KeyScan{'Q', 6}));
    EXPECT_EQ(Platform().GetInput().VkKeyScan('z'), (KeyScan{'Z', 0}));
    Play("@");
    ASSERT_EQ(Probe().WaitForText("@"), "@");
    EXPECT_THAT(KeyDowns(Probe()), ElementsAre("ISO_Level3_Shift", "at"));
}

TEST_P(GermanLayout, SwitchingBackToUsIsFollowed) {
    ASSERT_EQ(RunCommand({"setxkbmap", "us"}), 0);
    WaitUntil([] { return false; }, 200ms);
    EXPECT_EQ(Platform().GetInput().VkKeyScan('@'), (KeyScan{'2', 1}));
    Play("zy@");
    EXPECT_EQ(Probe().WaitForText("zy@"), "zy@");
}

INSTANTIATE_TEST_SUITE_P(Probes, Typing, ::testing::Values(ProbeKind::Qt, ProbeKind::Xlib),
                         [](const auto& param) { return ProbeName(param.param); });
INSTANTIATE_TEST_SUITE_P(Probes, GermanLayout, ::testing::Values(ProbeKind::Qt, ProbeKind::Xlib),
                         [](const auto& param) { return ProbeName(param.param); });

// Every client, under every layout: a Qt client answers _NET_WM_PING, a plain Xlib one
// (like xterm) does not and reads the keymap only when it looks a key up.
class EveryClient : public ::testing::TestWithParam<std::tuple<ProbeKind, const char*>> {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCommand({"setxkbmap", std::get<1>(GetParam())}), 0);
        probe_ = std::make_unique<ProbeClient>("Typing probe", "100,100,400,300",
                                               std::get<0>(GetParam()));
        ASSERT_TRUE(probe_->Ready()) << probe_->Describe();
    }
    void TearDown() override { RunCommand({"setxkbmap", "us"}); }
    std::unique_ptr<ProbeClient> probe_;
};

TEST_P(EveryClient, MixedTextArrivesExactlyAndNothingElse) {
    // Characters the layouts lack, each several times, among ASCII, line breaks and keys;
    // twice, so the second playback binds the same characters again.
    const std::string line = PrintableAscii() + " ß à ç é ñ ü € ÿ `^~ çé€";
    const std::string text = line + "\r\n" + line + "<TAB>x";
    const std::string once = line + "\r" + line + "\tx";
    Play(text);
    Play(text);
    EXPECT_EQ(probe_->WaitForText(once + once), once + once);
    for (const std::string& key : probe_->Lines("key "))
        EXPECT_EQ(key.find("Execute"), std::string::npos) << key;
    EXPECT_TRUE(WaitUntil(
        [] { return Platform().X11InputPort().Keyboard().Spares().BoundCount() == 0; }, 2s));
}

INSTANTIATE_TEST_SUITE_P(Probes, EveryClient,
                         ::testing::Combine(::testing::Values(ProbeKind::Qt, ProbeKind::Xlib),
                                            ::testing::Values("us", "de")),
                         [](const auto& param) {
                             return ProbeName(std::get<0>(param.param)) + "_" +
                                    std::get<1>(param.param);
                         });

} // namespace
} // namespace kv::e2e
