// Popup menus without their windows: options, key characters, layout, item lines and the
// menu of the window in front.

#include "engine/activation/PopupMenus.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

TEST(PopupMenus, OptionsReadAndWriteTheirThreeCharacters) {
    const struct {
        const char* field;
        PopupMenuOptions options;
        const char* written;
        int pixels;
    } cases[] = {
        {"Y24", {true, '2', 4}, "Y24", 64},
        {"N10", {false, '1', 0}, "N10", 16},
        {"N32", {false, '3', 2}, "N32", 32},
        {"y9x", {false, '3', 0}, "N30", 16}, // anything else reads as the defaults
        {"", {false, '3', 0}, "N30", 16},
        {"Y2", {true, '2', 0}, "Y20", 16},
    };
    for (const auto& c : cases) {
        const PopupMenuOptions o = PopupMenuOptions::Parse(c.field);
        EXPECT_EQ(o, c.options) << c.field;
        EXPECT_EQ(o.Format(), c.written) << c.field;
        EXPECT_EQ(o.IconPixels(), c.pixels) << c.field;
    }
}

TEST(PopupMenus, KeysChooseItemsThatExist) {
    EXPECT_EQ(MenuKeyCharacter(0), '0');
    EXPECT_EQ(MenuKeyCharacter(9), '9');
    EXPECT_EQ(MenuKeyCharacter(10), 'A');
    EXPECT_EQ(MenuKeyCharacter(35), 'Z');
    EXPECT_EQ(MenuKeyCharacter(36), 0);
    const struct {
        char key;
        int count;
        int item;
    } cases[] = {{'b', 12, 11}, {'B', 12, 11}, {'C', 12, -1}, {'0', 0, -1}, {'7', 8, 7},
                 {'z', 36, 35}, {'z', 40, 35}, {' ', 40, -1}, {'-', 40, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(MenuItemForKey(c.key, c.count), c.item) << c.key << " of " << c.count;
}

TEST(PopupMenus, TextColumnsOf18AndIconRowsOf9) {
    EXPECT_EQ(TextMenuGrid(0), (MenuGrid{1, 0}));
    EXPECT_EQ(TextMenuGrid(5), (MenuGrid{1, 5}));
    EXPECT_EQ(TextMenuGrid(18), (MenuGrid{1, 18}));
    EXPECT_EQ(TextMenuGrid(19), (MenuGrid{2, 18}));
    EXPECT_EQ(TextMenuGrid(36), (MenuGrid{2, 18}));
    EXPECT_EQ(TextMenuGrid(50), (MenuGrid{3, 18})); // beyond the keys: a third column
    EXPECT_EQ(TextMenuCell(17), (MenuGrid{0, 17}));
    EXPECT_EQ(TextMenuCell(18), (MenuGrid{1, 0}));
    EXPECT_EQ(TextMenuCell(40), (MenuGrid{2, 4}));

    EXPECT_EQ(IconMenuSize(0, 16), (MenuSize{80, 22}));
    EXPECT_EQ(IconMenuSize(2, 32), (MenuSize{144, 58}));
    EXPECT_EQ(IconMenuSize(9, 32), (MenuSize{324, 58}));
    EXPECT_EQ(IconMenuSize(10, 32), (MenuSize{324, 94}));
}

TEST(PopupMenus, ItemLinesShowTheMacroAsTheModeSays) {
    MacroRecord rec;
    rec.nickname = "Greet";
    rec.activation = static_cast<std::uint16_t>(HotKeyFromName("Ctrl+A").value());
    rec.scope = static_cast<std::uint16_t>(Scope::Window);
    rec.scopeName = "Editor";
    rec.text = "Hello\r\nthere" + std::string(100, 'x');
    EXPECT_EQ(MenuItemText(11, rec, '3'), "B\tGreet\tCtrl+A\tWindow: Editor");
    const std::string start = MenuItemText(0, rec, '1');
    EXPECT_EQ(start.substr(0, 15), "0\tHello  therex");
    EXPECT_EQ(start.size(), 2 + kMenuTextStart);
    EXPECT_EQ(MenuItemText(40, rec, '3').substr(0, 2), "\tG"); // no key beyond 36
    MacroRecord menu;
    menu.scope = static_cast<std::uint16_t>(Scope::PopupMenu);
    menu.text = std::string("\x02\x00\x05\x00\x06\x00", 6);
    EXPECT_EQ(MenuItemText(1, menu, '1'), "1\tPopup Menu");
}

TEST(PopupMenus, TheFrontWindowsMenuHoldsItsWindowAndProgramMacrosUpTo36) {
    OwnedSharedBlock block;
    auto add = [&](Scope scope, const std::string& name) {
        const int place = block.MacroCount() + 1;
        block.SetMacroCount(place);
        block.SetScope(place, static_cast<std::uint16_t>(scope));
        block.SetScopeName(place, name);
    };
    add(Scope::Window, "inbox");    // 1
    add(Scope::Global, "");         // 2
    add(Scope::Program, "GEDIT");   // 3
    add(Scope::Window, "Calendar"); // 4
    add(Scope::Program, "xterm");   // 5
    EXPECT_EQ(FrontWindowMacros(block, "Inbox - Mail", "GEDIT"), (std::vector<int>{1, 3}));
    EXPECT_TRUE(FrontWindowMacros(block, "Terminal", "BASH").empty());
    for (int i = 0; i < 40; ++i)
        add(Scope::Window, "Notes");
    const std::vector<int> many = FrontWindowMacros(block, "notes", "");
    ASSERT_EQ(many.size(), 36u);
    EXPECT_EQ(many.front(), 6);
}

} // namespace
