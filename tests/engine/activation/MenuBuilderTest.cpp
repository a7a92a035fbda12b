// "Build Macro Menu" without its window: the two lists, the insert positions and the
// selection after each move, the buttons offered, and what OK stores.

#include "engine/activation/MenuBuilder.h"

#include "engine/core/Limits.h"
#include "engine/mainwin/PopupMenuPlaces.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

std::vector<MacroRecord> Table() {
    std::vector<MacroRecord> table;
    for (const char* nick : {"a", "b", "c", "d", "e"}) {
        MacroRecord r;
        r.nickname = nick;
        r.activation = kActivationTypeword;
        r.typeword = nick;
        table.push_back(r);
    }
    table[4].scope = static_cast<std::uint16_t>(Scope::System); // never offered
    return table;
}

std::vector<int> Places(const std::vector<MenuBuilder::Entry>& rows) {
    std::vector<int> p;
    for (const auto& e : rows)
        p.push_back(e.place);
    return p;
}

TEST(MenuBuilder, TheMenuKeepsItsOrderAndOnlyMacrosOfTheTable) {
    MenuBuilder b(Table(), {3, 1, 9, 5, 3});
    EXPECT_EQ(Places(b.InMenu()), (std::vector<int>{3, 1}));
    EXPECT_EQ(Places(b.Available()), (std::vector<int>{2, 4}));
    EXPECT_EQ(b.InMenu()[0].text, "c\tc\tGLOBAL");
    EXPECT_EQ(b.EnableDisable(), MenuBuilder::Enabled{});
}

// Where each adding button puts the chosen macro, and which rows are chosen after it.
TEST(MenuBuilder, AddingPutsTheMacroWhereItsButtonSays) {
    const struct {
        const char* name;
        std::vector<int> menu;
        int menuRow;
        MenuBuilder::Mode mode;
        std::vector<int> after;
        int chosen;
    } cases[] = {
        {"add at the end", {1, 3}, 0, MenuBuilder::Mode::AtEnd, {1, 3, 2}, 2},
        {"before the chosen row", {1, 3}, 1, MenuBuilder::Mode::Before, {1, 2, 3}, 1},
        {"before, none chosen: the top", {1, 3}, -1, MenuBuilder::Mode::Before, {2, 1, 3}, 0},
        {"after the chosen row", {1, 3}, 0, MenuBuilder::Mode::After, {1, 2, 3}, 1},
        {"after, none chosen: after the first", {1, 3}, -1, MenuBuilder::Mode::After, {1, 2, 3}, 1},
        {"after, into an empty menu", {}, -1, MenuBuilder::Mode::After, {2}, 0},
    };
    for (const auto& c : cases) {
        MenuBuilder b(Table(), c.menu);
        b.SelectMenu(c.menuRow);
        const auto two = std::find_if(b.Available().begin(), b.Available().end(),
                                      [](const auto& e) { return e.place == 2; });
        b.SelectAvailable(static_cast<int>(two - b.Available().begin()));
        EXPECT_FALSE(b.AddALine(c.mode)) << c.name;
        EXPECT_EQ(b.Places(), c.after) << c.name;
        EXPECT_EQ(b.MenuSelected(), c.chosen) << c.name;
    }
}

TEST(MenuBuilder, MovingAndRemovingFollowTheChosenRow) {
    MenuBuilder b(Table(), {});
    EXPECT_EQ(b.AddALine(MenuBuilder::Mode::AtEnd),
              (EditorMessage{"No macro selected.  Please select one.", "Error"}));
    // Add all four, always the first available: the next one is chosen each time.
    b.SelectAvailable(0);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(b.AddALine(MenuBuilder::Mode::AtEnd));
    EXPECT_EQ(b.Places(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(b.AvailableSelected(), MenuBuilder::kNone);
    EXPECT_EQ(b.EnableDisable(), (MenuBuilder::Enabled{true, false, true, false}));

    b.Up();
    b.Up();
    EXPECT_EQ(b.Places(), (std::vector<int>{1, 4, 2, 3}));
    EXPECT_EQ(b.MenuSelected(), 1);
    b.SelectMenu(0);
    b.Up(); // already first
    EXPECT_EQ(b.EnableDisable(), (MenuBuilder::Enabled{false, true, true, false}));
    b.Down();
    EXPECT_EQ(b.Places(), (std::vector<int>{4, 1, 2, 3}));

    // Removed, a macro goes back in table order.
    b.SelectMenu(2);
    b.Remove();
    b.SelectMenu(0);
    b.Remove();
    EXPECT_EQ(Places(b.Available()), (std::vector<int>{2, 4}));
    EXPECT_EQ(b.Places(), (std::vector<int>{1, 3}));
    EXPECT_EQ(b.MenuSelected(), 0);
}

TEST(MenuBuilder, OkStoresTheMenuAndSaysWhenTheTrayChanges) {
    MacroRecord rec;
    MenuChoice choice;
    choice.nickname = std::string(60, 'n');
    choice.options = PopupMenuOptions{true, '2', 3};
    EXPECT_TRUE(StoreMenu(rec, choice, {4, 2}, true));
    EXPECT_EQ(rec.nickname.size(), kNicknameMax);
    EXPECT_EQ(rec.scope, static_cast<unsigned>(Scope::PopupMenu));
    EXPECT_EQ(rec.typeword, "Y23");
    EXPECT_EQ(rec.icon, "MENU");
    EXPECT_EQ(MenuPlaces(rec.text), (std::vector<int>{4, 2}));
    EXPECT_EQ(rec.active, 1);

    // The same again: nothing for the tray. No items: the count 0.
    choice.nickname = rec.nickname;
    EXPECT_FALSE(StoreMenu(rec, choice, {}, false));
    EXPECT_EQ(rec.text, std::string("\0\0", 2));
    choice.options.tray = false;
    EXPECT_TRUE(StoreMenu(rec, choice, {}, false));
}

} // namespace
