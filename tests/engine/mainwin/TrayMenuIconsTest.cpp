#include "engine/mainwin/TrayMenuIcons.h"

#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/MacroFileBytes.h"
#include "support/TempMacroFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace kv;

namespace {

MacroRecord Menu(const std::string& nick, const std::string& options, const std::string& icon) {
    MacroRecord r;
    r.nickname = nick;
    r.scope = static_cast<std::uint16_t>(Scope::PopupMenu);
    r.typeword = options;
    r.icon = icon;
    return r;
}

class TrayMenuIconsTest : public ::testing::Test, protected test::TempMacroFile {
protected:
    void Write(const std::vector<MacroRecord>& records) {
        settings.currentFile = dir.File("TRAY.KVN");
        test::WriteMacroFile(settings.currentFile, records);
        file.LoadMacroFile(settings.currentFile);
    }
};

TEST_F(TrayMenuIconsTest, OnlyMenusPlacedInTheTrayGetAnIconNamedByTheirPlace) {
    MacroRecord global;
    global.nickname = "Global";
    global.typeword = "Yes"; // not a menu: its Typeword means nothing here
    Write({Menu("In tray", "Y32", "MENU"), global, Menu("Not in tray", "N32", "MENU"),
           Menu("Also", "Y10", "")});
    const auto icons = MenuTaskIcons(block, file, dir.Path().string());
    ASSERT_EQ(icons.size(), 2U);
    EXPECT_EQ(icons[0].place, 1);
    EXPECT_EQ(icons[0].toolTip, "In tray");
    EXPECT_EQ(icons[1].place, 4);
    EXPECT_EQ(icons[1].toolTip, "Also");
}

TEST_F(TrayMenuIconsTest, SixteenMenusGiveFifteenIconsForTheFirstFifteen) {
    std::vector<MacroRecord> menus;
    for (int i = 1; i <= 16; ++i)
        menus.push_back(Menu("M" + std::to_string(i), "Y32", "MENU"));
    Write(menus);
    const auto icons = MenuTaskIcons(block, file, dir.Path().string());
    ASSERT_EQ(icons.size(), 15U);
    EXPECT_EQ(icons.back().place, 15);
}

TEST_F(TrayMenuIconsTest, AnIconFileIsUsedOnlyWhenItExists) {
    std::filesystem::create_directories(dir.Path() / "Icons");
    std::ofstream(dir.Path() / "Icons" / "STAR.ICO") << "x";
    Write({Menu("Star", "Y32", "STAR.ICO"), Menu("Gone", "Y32", "GONE.ICO"),
           Menu("Menu", "Y32", "MENU")});
    const auto icons = MenuTaskIcons(block, file, (dir.Path() / "Icons").string());
    ASSERT_EQ(icons.size(), 3U);
    EXPECT_EQ(icons[0].iconFile, (dir.Path() / "Icons" / "STAR.ICO").string());
    EXPECT_EQ(icons[1].iconFile, "");
    EXPECT_EQ(icons[2].iconFile, "");
}

} // namespace
