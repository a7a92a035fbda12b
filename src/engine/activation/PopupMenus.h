#pragma once
// Popup menus without their windows: the three option characters a menu keeps in its
// Typeword field, the key characters of its items, how its items are laid out, and the
// temporary menu of the SYSTEM command "4" (the macros of the window in front).

#include "engine/core/MacroRecord.h"
#include "engine/core/SharedBlock.h"

#include <string>
#include <string_view>
#include <vector>

namespace kv {

// The options of a popup menu macro, stored as exactly three characters.
struct PopupMenuOptions {
    bool tray = false; // "Y": the menu also has an icon in the tray
    char mode = '3';   // '1' First Part of Macro, '2' Icons, '3' Nickname and Scope
    int iconSize = 0;  // 0..4: 16, 24, 32, 48, 64 pixels
    static PopupMenuOptions Parse(std::string_view field);
    std::string Format() const;
    int IconPixels() const;
    bool operator==(const PopupMenuOptions&) const = default;
};

// Items 0..9 have the keys "0".."9", items 10..35 "A".."Z"; later items are chosen with the
// mouse only.
inline constexpr int kMenuKeyCount = 36;
// A text menu shows 18 rows a column; an icon menu 9 icons a row.
inline constexpr int kMenuRowsPerColumn = 18;
inline constexpr int kMenuIconsPerRow = 9;

// The key character of an item, 0 for none.
char MenuKeyCharacter(int item);
// The item a typed key chooses in a menu of `count` items (any case), -1 for none.
int MenuItemForKey(char key, int count);

// A text menu of `count` items: columns of 18 rows, the first two as wide as a key
// reaches, any further column for the items beyond 36.
struct MenuGrid {
    int columns = 1;
    int rows = 0;
    bool operator==(const MenuGrid&) const = default;
};
MenuGrid TextMenuGrid(int count);
// Which column and row item k stands in.
MenuGrid TextMenuCell(int item);

// An icon menu of `count` items at `pixels`: cells of pixels + 4 square, 9 to a row, at
// least 4 cells wide, and a caption line of 22 pixels.
struct MenuSize {
    int width = 0;
    int height = 0;
    bool operator==(const MenuSize&) const = default;
};
MenuSize IconMenuSize(int count, int pixels);

// The line of an item in a text menu, its columns split by tabs: the key character (none
// beyond 36), then the nickname, activation and scope ('3'), or the beginning of the
// macro's text ('1', at most kMenuTextStart characters; a popup menu's item list is no
// text and shows as its scope).
inline constexpr std::size_t kMenuTextStart = 60;
std::string MenuItemText(int item, const MacroRecord& rec, char mode);

// SYSTEM command "4": in table order every Window macro whose scope name is in the title and
// every Program macro whose name is in the program (both compared upper-cased), at most 36.
std::vector<int> FrontWindowMacros(const SharedBlock& block, const std::string& title,
                                   const std::string& program);
inline constexpr const char* kNoFrontWindowMacros =
    "There are no macros defined with a specific window title or program name that match the "
    "current top most active window.";

} // namespace kv
