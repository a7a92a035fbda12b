#include "engine/mainwin/MacroList.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "engine/mainwin/SortOrder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kv;

namespace {

int Code(const char* name) {
    return HotKeyFromName(name).value();
}

// A macro table in memory only: the list reads nothing else.
class MacroListTest : public ::testing::Test {
protected:
    int Add(std::uint16_t activation, Scope scope, const std::string& nick,
            const std::string& scopeName = "", const std::string& typeword = "") {
        const int place = block.MacroCount() + 1;
        block.SetMacroCount(place);
        block.SetActivation(place, activation);
        block.SetScope(place, static_cast<std::uint16_t>(scope));
        block.SetScopeName(place, scopeName);
        settings.names.nickname[static_cast<std::size_t>(place)] = nick;
        settings.names.typeword[static_cast<std::size_t>(place)] = typeword;
        return place;
    }
    int AddHotKey(const char* key, const std::string& nick, Scope scope = Scope::Global,
                  const std::string& scopeName = "") {
        return Add(static_cast<std::uint16_t>(Code(key)), scope, nick, scopeName);
    }
    int AddTypeword(const std::string& typeword, const std::string& nick) {
        return Add(kActivationTypeword, Scope::Global, nick, "", typeword);
    }
    int AddTimed(const std::string& nick) { return Add(kActivationTimed, Scope::Global, nick); }

    std::vector<std::string> Nicknames() {
        list.FillList(block, settings);
        std::vector<std::string> out;
        for (int row = 1; row <= list.RowCount(); ++row)
            out.push_back(settings.names.nickname[static_cast<std::size_t>(list.Place(row))]);
        return out;
    }

    OwnedSharedBlock block;
    Settings settings;
    MacroList list;
};

using Names = std::vector<std::string>;

TEST_F(MacroListTest, EqualNicknamesFallBackToTheActivationWhenNicknameLeads) {
    settings.primarySort = "213";
    AddHotKey("Ctrl+B", "same");
    AddHotKey("Alt+A", "other");
    AddHotKey("Alt+C", "SAME");
    AddTypeword("abc", "Same");
    // Typewords come after hot keys in the default activation order; case is ignored.
    EXPECT_EQ(Nicknames(), (Names{"other", "SAME", "same", "Same"}));
}

TEST_F(MacroListTest, ActivationGroupsFollowTheUserOrderAndNamesSortByByte) {
    settings.activationSort = "312"; // Timed Macro, hot key, Typeword
    AddTypeword("zz", "tw zz");
    AddHotKey("Ctrl+A", "ctrl a");
    AddTimed("timed 1");
    AddHotKey("Alt+Z", "alt z");
    AddTypeword("Ab", "tw Ab");
    AddTimed("timed 2");
    AddHotKey("Ctrl+Alt+A", "ctrl alt a");
    // Typewords keep their case: "Ab" before "zz" because 'A' < 'z'.
    EXPECT_EQ(Nicknames(),
              (Names{"timed 1", "timed 2", "alt z", "ctrl a", "ctrl alt a", "tw Ab", "tw zz"}));
}

TEST_F(MacroListTest, ScopeGroupsFollowTheUserOrderAndWindowsSortByUpperCasedName) {
    settings.primarySort = "312";
    settings.scopeSort = "52341"; // System, Window, Program, Popup Menu, Global
    AddHotKey("F1", "global");
    AddHotKey("F2", "win b", Scope::Window, "beta");
    AddHotKey("F3", "prog", Scope::Program, "app");
    AddHotKey("F4", "win a", Scope::Window, "Alpha");
    AddHotKey("F5", "popup", Scope::PopupMenu);
    AddHotKey("Ctrl+Alt+Shift+W", "system", Scope::System, "1");
    EXPECT_EQ(Nicknames(), (Names{"system", "win a", "win b", "prog", "popup", "global"}));
}

TEST_F(MacroListTest, ASecondaryKeyOrdersOnlyWithinEqualPrimaryKeys) {
    // "AB" is a prefix of "ABC": whatever the nicknames, AB's macro comes first. Keys joined
    // into one string would let the nickname "Z" of AB lose to the "C" of ABC.
    AddTypeword("AB", "Z");
    AddTypeword("ABC", "A");
    EXPECT_EQ(Nicknames(), (Names{"Z", "A"}));
}

TEST_F(MacroListTest, BytesAboveAsciiSortAfterIt) {
    settings.primarySort = "213";
    AddHotKey("F1", "\xE9"
                    "clair"); // "éclair", upper-cased to 0xC9
    AddHotKey("F2", "zebra");
    AddHotKey("F3", "apple");
    EXPECT_EQ(Nicknames(), (Names{"apple", "zebra",
                                  "\xE9"
                                  "clair"}));
}

TEST_F(MacroListTest, EqualKeysKeepTableOrder) {
    settings.primarySort = "213";
    for (int i = 0; i < 20; ++i)
        Add(static_cast<std::uint16_t>(Code("F1")), Scope::Window, "same", "w", "");
    list.FillList(block, settings);
    for (int row = 1; row <= 20; ++row)
        EXPECT_EQ(list.Place(row), row);
}

TEST_F(MacroListTest, OneMacroIsNotSortedAndReverseSortFindsRows) {
    AddHotKey("F1", "only");
    list.FillList(block, settings);
    EXPECT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.Place(1), 1);

    AddHotKey("Alt+A", "second");
    list.FillList(block, settings);
    EXPECT_EQ(list.ReverseSort(2), 1);
    EXPECT_EQ(list.ReverseSort(1), 2);
    EXPECT_EQ(list.ReverseSort(3), kNoRow);
    EXPECT_EQ(list.Place(0), 0);
    EXPECT_EQ(list.Place(3), 0);
}

TEST_F(MacroListTest, TheCurrentRowSurvivesARefillAndFollowsAShorterList) {
    list.FillList(block, settings);
    EXPECT_EQ(list.CurrentRow(), kNoRow);
    for (const char* key : {"F1", "F2", "F3"})
        AddHotKey(key, key);
    list.FillList(block, settings);
    EXPECT_EQ(list.CurrentRow(), 1); // a grid always has a current row
    list.SetCurrentRow(3);
    list.FillList(block, settings);
    EXPECT_EQ(list.CurrentRow(), 3);
    block.SetMacroCount(2);
    list.FillList(block, settings);
    EXPECT_EQ(list.CurrentRow(), 2);
    block.SetMacroCount(0);
    list.FillList(block, settings);
    EXPECT_EQ(list.CurrentRow(), kNoRow);
    EXPECT_EQ(list.SelectedPlace(), 0);
}

TEST_F(MacroListTest, DamagedSortSettingsStillListEveryMacro) {
    settings.primarySort = "22";
    settings.activationSort = "9";
    settings.scopeSort = "";
    AddTypeword("tw", "b");
    AddHotKey("F1", "a");
    // Nickname first, as the valid digit says; the rest falls back to the natural order.
    EXPECT_EQ(Nicknames(), (Names{"a", "b"}));
    EXPECT_EQ(SortDigits("22", 3), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(SortDigits("5x3", 5), (std::vector<int>{5, 3, 1, 2, 4}));
}

TEST(SortOrderDialogTest, ListsFollowTheSettingsAndGoBackAsDigits) {
    Settings s;
    s.primarySort = "231";
    s.activationSort = "312";
    s.scopeSort = "52341";
    SortOrderDialog d(s);
    using L = SortOrderDialog::List;
    EXPECT_EQ(d.Items(L::Primary), (Names{"Nickname", "Scope", "Activation"}));
    EXPECT_EQ(d.Items(L::Activation), (Names{"Timed Macro", "Hot Key", "Typeword"}));
    EXPECT_EQ(d.Items(L::Scope),
              (Names{"System", "Specific Window", "Specific Program", "PopUp Menu", "Global"}));

    EXPECT_FALSE(d.EnableDisable(L::Scope).up);
    EXPECT_FALSE(d.EnableDisable(L::Scope).down);
    d.Select(L::Scope, 0);
    EXPECT_FALSE(d.EnableDisable(L::Scope).up);
    EXPECT_TRUE(d.EnableDisable(L::Scope).down);
    d.MoveUp(L::Scope); // no arrow, no move
    d.MoveDown(L::Scope);
    d.MoveDown(L::Scope);
    EXPECT_EQ(d.Selected(L::Scope), 2);
    d.Select(L::Primary, 2);
    EXPECT_FALSE(d.EnableDisable(L::Primary).down);
    d.MoveUp(L::Primary);

    Settings out;
    d.OkButtonClick(out);
    EXPECT_EQ(out.primarySort, "213");
    EXPECT_EQ(out.activationSort, "312");
    EXPECT_EQ(out.scopeSort, "23541");
}

} // namespace
