#include "engine/mainwin/Appearance.h"

#include "platform/fake/RecordingPrompts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kv;

namespace {

using Records = std::vector<fake::PromptRecord>;

TEST(AppearanceTest, ColumnWidthsArePositiveWholeNumbers) {
    EXPECT_EQ(ParseColumnWidth("112"), 112);
    EXPECT_EQ(ParseColumnWidth("1"), 1);
    EXPECT_EQ(ParseColumnWidth("9999"), 9999);
    EXPECT_EQ(ParseColumnWidth(" 80 "), 80);
    EXPECT_EQ(ParseColumnWidth("+80"), 80);
    EXPECT_EQ(ParseColumnWidth("0"), std::nullopt);
    EXPECT_EQ(ParseColumnWidth("-5"), std::nullopt);
    EXPECT_EQ(ParseColumnWidth(""), std::nullopt);
    EXPECT_EQ(ParseColumnWidth("   "), std::nullopt);
    EXPECT_EQ(ParseColumnWidth("+"), std::nullopt);
    EXPECT_EQ(ParseColumnWidth("12a"), std::nullopt);
    EXPECT_EQ(ParseColumnWidth("abc"), std::nullopt);
    EXPECT_EQ(ParseColumnWidth("1 2"), std::nullopt);
    EXPECT_EQ(ParseColumnWidth("99999999999"), std::nullopt); // beyond int
}

TEST(AppearanceTest, ShownEntriesCopyTheSettings) {
    Settings s;
    s.col1Width = 50;
    s.useSpeed = true;
    s.gridFont.name = "Courier";
    const AppearanceEntries e = AppearanceShown(s);
    EXPECT_EQ(e.widths, (std::array<std::string, 3>{"50", "168", "132"}));
    EXPECT_TRUE(e.useSpeed);
    EXPECT_EQ(e.gridFont.name, "Courier");
    EXPECT_EQ(e.gridTitleFont.size, 12);
}

TEST(AppearanceTest, TheFirstBadWidthIsReportedAndNothingIsStored) {
    Settings s;
    const Settings before = s;
    fake::RecordingPrompts prompts;
    AppearanceEntries e = AppearanceShown(s);
    e.widths = {"90", "0", "x"};
    e.useSpeed = true;
    e.gridFont.bold = true;
    EXPECT_EQ(AppearanceOk(e, s, prompts), 1);
    EXPECT_EQ(prompts.Records(), (Records{{"message", "Invalid width specified.", "Error"}}));
    EXPECT_EQ(s.col1Width, before.col1Width);
    EXPECT_FALSE(s.useSpeed);
    EXPECT_FALSE(s.gridFont.bold);

    e.widths = {"90", "80", "7O"};
    EXPECT_EQ(AppearanceOk(e, s, prompts), 2);
    EXPECT_EQ(s.col1Width, 112);
}

TEST(AppearanceTest, GoodEntriesAreStored) {
    Settings s;
    fake::RecordingPrompts prompts;
    AppearanceEntries e = AppearanceShown(s);
    e.widths = {"90", " 80", "7"};
    e.useSpeed = true;
    e.gridFont.name = "Courier";
    e.gridTitleFont.italic = true;
    EXPECT_EQ(AppearanceOk(e, s, prompts), std::nullopt);
    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_EQ(s.col1Width, 90);
    EXPECT_EQ(s.col2Width, 80);
    EXPECT_EQ(s.col3Width, 7);
    EXPECT_TRUE(s.useSpeed);
    EXPECT_EQ(s.gridFont.name, "Courier");
    EXPECT_TRUE(s.gridTitleFont.italic);
}

} // namespace
