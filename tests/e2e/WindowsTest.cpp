// Window and program commands on real windows under a real window manager, and without one.

#include "e2e/support/Harness.h"

#include <gmock/gmock.h>

#include <unistd.h>

namespace kv::e2e {
namespace {

using ::testing::Contains;
using ::testing::Field;

x11::X11Windows& Win() {
    return Platform().X11WindowsPort();
}

bool IsMapped(WindowId w) {
    x11::XcbConnection& x = Platform().Connection();
    x11::XcbPtr<xcb_get_window_attributes_reply_t> a(xcb_get_window_attributes_reply(
        x.Raw(), xcb_get_window_attributes(x.Raw(), static_cast<xcb_window_t>(w)), nullptr));
    return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
}

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        alpha_ = std::make_unique<ProbeClient>("Alpha probe window", "50,50,300,200");
        beta_ = std::make_unique<ProbeClient>("Beta probe window", "400,300,300,200");
        ASSERT_TRUE(alpha_->Ready()) << alpha_->Describe();
        ASSERT_TRUE(beta_->Ready()) << beta_->Describe();
    }
    ProbeClient& Alpha() { return *alpha_; }
    ProbeClient& Beta() { return *beta_; }

private:
    std::unique_ptr<ProbeClient> alpha_;
    std::unique_ptr<ProbeClient> beta_;
};

TEST_F(Windows, ListIsFrontToBackWithTitles) {
    auto list = Win().TopLevelWindows();
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list[0], Beta().Window()); // started last, so in front
    EXPECT_EQ(Win().Title(Beta().Window()), "Beta probe window");
    EXPECT_EQ(Win().Foreground(), Beta().Window());
    EXPECT_EQ(Win().Parent(Beta().Window()), 0u);
}

TEST_F(Windows, TitlesAreWindows1252) {
    ProbeClient accented("Café – Übersicht");
    ASSERT_TRUE(accented.Ready()) << accented.Describe();
    EXPECT_EQ(Win().Title(accented.Window()), "Caf\xE9 \x96 \xDC"
                                              "bersicht");
}

TEST_F(Windows, ActivateBySubstringThenType) {
    Play("<ACTIVATE:alpha PROBE>xyz");
    EXPECT_EQ(Alpha().WaitForText("xyz"), "xyz");
    EXPECT_EQ(Win().Foreground(), Alpha().Window());
    Play("<ACTIVATE:beta>q");
    EXPECT_EQ(Beta().WaitForText("q"), "q");
    EXPECT_EQ(Alpha().Text(), "xyz");
}

TEST_F(Windows, ActivateOfAMissingWindowEndsTheMacro) {
    Play("<ACTIVATE:No such window anywhere>abc");
    Platform().Pump().WaitFor(200ms);
    EXPECT_EQ(Beta().Text(), "");
}

TEST_F(Windows, MaximizeRestoreMinimizeAndActivateAgain) {
    const WindowId a = Alpha().Window();
    Play("<WMAX:Alpha probe>");
    EXPECT_TRUE(Win().IsMaximized(a));
    auto big = Win().Rect(a);
    ASSERT_TRUE(big);
    EXPECT_GT(big->right - big->left, 1000);
    Play("<WRES:Alpha probe>");
    EXPECT_FALSE(Win().IsMaximized(a));
    Play("<WMIN:Alpha probe>");
    EXPECT_TRUE(Win().IsMinimized(a));
    // Activating a minimised window restores it first.
    Play("<ACTIVATE:Alpha probe>m");
    EXPECT_FALSE(Win().IsMinimized(a));
    EXPECT_EQ(Alpha().WaitForText("m"), "m");
}

TEST_F(Windows, CurrentMeansTheForegroundWindow) {
    Play("<WMAX:\"CURRENT\">");
    EXPECT_TRUE(Win().IsMaximized(Beta().Window()));
    EXPECT_FALSE(Win().IsMaximized(Alpha().Window()));
}

TEST_F(Windows, MoveAndResizeTheOuterFrame) {
    const WindowId a = Alpha().Window();
    Play("<WPOS:0120,0140Alpha probe>");
    EXPECT_TRUE(WaitUntil([&] {
        auto r = Win().Rect(a);
        return r && r->left == 120 && r->top == 140;
    })) << Win().Rect(a)->left
        << "," << Win().Rect(a)->top;
    Play("<WSIZE:0640,0480alpha probe>");
    EXPECT_TRUE(WaitUntil([&] {
        auto r = Win().Rect(a);
        return r && r->right - r->left == 640 && r->bottom - r->top == 480;
    }));
    auto r = Win().Rect(a);
    EXPECT_EQ(r->left, 120); // resizing does not move it
    EXPECT_EQ(r->top, 140);
}

TEST_F(Windows, HideAndShowKeepTheWindowFindable) {
    const WindowId a = Alpha().Window();
    Play("<WHIDE:Alpha probe>");
    EXPECT_TRUE(WaitUntil([&] {
        auto stacking = Win().TopLevelWindows();
        // Unmapped, and last: the manager no longer lists it, Keyvane's hidden ones do.
        return !IsMapped(a) && !stacking.empty() && stacking.back() == a;
    }));
    Play("<WSHOW:Alpha probe>");
    EXPECT_TRUE(WaitUntil([&] { return IsMapped(a) && Win().TopLevelWindows().back() != a; }));
}

TEST_F(Windows, CloseAsksTheWindowToClose) {
    Play("<WCLS:alpha probe>");
    EXPECT_TRUE(Alpha().Process().WaitExit(5s));
    EXPECT_TRUE(Beta().Process().Running());
}

TEST_F(Windows, ShutSendsTheProgramSigterm) {
    Play("<WSHUT:Beta probe>");
    EXPECT_TRUE(Beta().Process().WaitExit(5s));
    EXPECT_TRUE(Alpha().Process().Running());
}

TEST_F(Windows, ProcessAndProgramOfAWindow) {
    const int pid = Win().ProcessOf(Alpha().Window());
    EXPECT_EQ(pid, Alpha().Process().Pid());
    EXPECT_EQ(Win().ProgramOf(pid), "keyvane_probe");
    EXPECT_THAT(Win().Processes(), Contains(Field(&ProcessInfo::pid, getpid())));
}

TEST_F(Windows, LaunchWaitsForTheWindowThenTypesIntoIt) {
    const std::string macro = "<LAUNCHNO:00Launched probe<LAUNCH:" + ProbePath() +
                              "<PARAM>--title 'Launched probe' --place \"600,100,300,200\">ok";
    Play(macro);
    WindowId launched = 0;
    for (WindowId w : Win().TopLevelWindows()) {
        if (Win().Title(w) == "Launched probe")
            launched = w;
    }
    ASSERT_NE(launched, 0u);
    EXPECT_EQ(Win().Foreground(), launched);
    const int pid = Win().ProcessOf(launched);
    EXPECT_EQ(Win().ProgramOf(pid), "keyvane_probe");
    Win().Close(launched);
}

TEST(WindowsWithoutManager, PlainX11FindsMovesAndFocuses) {
    Session().StopWindowManager();
    struct Restart {
        ~Restart() { Session().StartWindowManager(); }
    } restart;
    ASSERT_FALSE(Win().HasWindowManager());
    ProbeClient probe("Bare probe", "30,40,300,200");
    ASSERT_TRUE(probe.Ready()) << probe.Describe();
    auto list = Win().TopLevelWindows();
    EXPECT_THAT(list, Contains(probe.Window()));
    EXPECT_EQ(Win().Title(probe.Window()), "Bare probe");
    Play("<ACTIVATE:bare>hi<WPOS:0200,0210bare><WSIZE:0333,0222bare>");
    EXPECT_EQ(probe.WaitForText("hi"), "hi");
    EXPECT_EQ(Win().Foreground(), probe.Window());
    EXPECT_TRUE(WaitUntil([&] {
        auto r = Win().Rect(probe.Window());
        return r && *r == (WindowRect{200, 210, 533, 432});
    }));
    Play("<WCLS:bare>");
    EXPECT_TRUE(probe.Process().WaitExit(5s));
}

} // namespace
} // namespace kv::e2e
