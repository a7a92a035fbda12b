// Pointer moves, clicks and the wheel, at positions, as the probe receives them.

#include "e2e/support/Harness.h"

#include <gmock/gmock.h>

namespace kv::e2e {
namespace {

using ::testing::ElementsAre;

class Mouse : public ::testing::Test {
protected:
    void SetUp() override {
        probe_ = std::make_unique<ProbeClient>("Mouse probe", "200,150,500,400");
        ASSERT_TRUE(probe_->Ready()) << probe_->Describe();
    }
    ProbeClient& Probe() { return *probe_; }

private:
    std::unique_ptr<ProbeClient> probe_;
};

std::pair<int, int> PointerPosition() {
    x11::XcbConnection& x = Platform().Connection();
    x11::XcbPtr<xcb_query_pointer_reply_t> p(
        xcb_query_pointer_reply(x.Raw(), xcb_query_pointer(x.Raw(), x.Root()), nullptr));
    return p ? std::pair<int, int>{p->root_x, p->root_y} : std::pair<int, int>{-1, -1};
}

TEST_F(Mouse, MoveGoesToTheScreenPixel) {
    Play("<MMS:00300,00250>");
    EXPECT_EQ(PointerPosition(), (std::pair{300, 250}));
    // Within the window the client sees the move itself. (Moves in a row may reach it
    // merged into the last one, as on Windows.)
    Play("<MMS:00420,00333>");
    EXPECT_TRUE(Probe().WaitForLine("motion 420 333"));
    EXPECT_EQ(PointerPosition(), (std::pair{420, 333}));
}

TEST_F(Mouse, ClicksHappenWhereThePointerIs) {
    Play("<MMS:00310,00260><LCLK><MMS:00320,00270><RCLK><MCLK>");
    ASSERT_TRUE(WaitUntil([&] { return Probe().Lines("button up ").size() >= 3; }));
    EXPECT_THAT(Probe().Lines("button down "),
                ElementsAre("left 310 260", "right 320 270", "middle 320 270"));
    // Qt reports a release with the pointer position it has when it handles it, which the
    // next move may already have changed; the server's own events carry the right one.
    std::vector<std::string> ups;
    for (const std::string& up : Probe().Lines("button up "))
        ups.push_back(up.substr(0, up.find(' ')));
    EXPECT_THAT(ups, ElementsAre("left", "right", "middle"));
}

TEST_F(Mouse, DoubleClickAndSeparateDownUp) {
    Play("<MMS:00300,00300><LDCLK><RDN><RUP>");
    ASSERT_TRUE(Probe().WaitForLine("button up right 300 300"));
    EXPECT_EQ(Probe().Lines("button down left").size(), 2u) << Probe().Describe();
    EXPECT_EQ(Probe().Lines("button up left").size(), 2u);
}

TEST_F(Mouse, WheelNotchesForwardAndBackward) {
    Play("<MMS:00350,00300><WFW:003><WBW:002>");
    ASSERT_TRUE(WaitUntil([&] { return Probe().Lines("wheel ").size() >= 5; }));
    EXPECT_THAT(Probe().Lines("wheel "), ElementsAre("+1", "+1", "+1", "-1", "-1"));
}

TEST_F(Mouse, MoveInWindowIsRelativeToTheForegroundFrame) {
    auto rect = Platform().GetWindows().Rect(Probe().Window());
    ASSERT_TRUE(rect);
    Play("<MMW:00050,00060>");
    const std::string expected =
        std::to_string(rect->left + 50) + " " + std::to_string(rect->top + 60);
    EXPECT_TRUE(Probe().WaitForLine("motion " + expected));
}

TEST_F(Mouse, ShiftLatchHoldsThroughAClick) {
    Play("<MMS:00300,00300><SHIFT><LCLK>b");
    EXPECT_EQ(Probe().WaitForText("B"), "B");
    auto lines = Probe().Lines();
    auto shiftDown = std::find(lines.begin(), lines.end(), "key down Shift_L");
    auto click = std::find(lines.begin(), lines.end(), "button down left 300 300");
    auto shiftUp = std::find(lines.begin(), lines.end(), "key up Shift_L");
    EXPECT_LT(shiftDown, click);
    EXPECT_LT(click, shiftUp);
}

// The session's screen stands for two monitors side by side.
TEST_F(Mouse, ScreenSizeIsTheRootWindow) {
    ScreenSize s = Platform().GetInput().Screen();
    EXPECT_EQ(s.width, 2560);
    EXPECT_EQ(s.height, 1024);
}

} // namespace
} // namespace kv::e2e
