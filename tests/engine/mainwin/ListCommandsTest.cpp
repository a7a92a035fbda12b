#include "engine/mainwin/ListCommands.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "engine/mainwin/QuickInfo.h"
#include "engine/mainwin/WindowCaption.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace kv;

namespace {

bool Shown(const CommandControls& c) {
    return c.button && c.speed && c.menu;
}
bool Hidden(const CommandControls& c) {
    return !c.button && !c.speed && !c.menu;
}

class ListCommandsTest : public ::testing::Test {
protected:
    int Add(std::uint16_t activation, Scope scope, bool active = true) {
        const int place = block.MacroCount() + 1;
        block.SetMacroCount(place);
        block.SetActivation(place, activation);
        block.SetScope(place, static_cast<std::uint16_t>(scope));
        block.SetActive(place, active);
        return place;
    }

    OwnedSharedBlock block;
    CommandOffers offers;
};

TEST_F(ListCommandsTest, AnEmptyListOffersNothingButLeavesSpeedButtons) {
    SetButtons(offers, false, BrowseMode::Off);
    for (const CommandControls* c :
         {&offers.modify, &offers.recapture, &offers.remove, &offers.copy, &offers.rename,
          &offers.activate, &offers.scripting}) {
        EXPECT_FALSE(c->button);
        EXPECT_FALSE(c->menu);
        EXPECT_TRUE(c->speed); // they answer with "No hot keys have been added yet."
    }
    EXPECT_FALSE(offers.quickInfoMenu);
}

TEST_F(ListCommandsTest, BrowseModesOfferOnlyQuickInfoAndOnlyInBrowseMode) {
    SetButtons(offers, true, BrowseMode::Browse);
    EXPECT_FALSE(offers.rename.button);
    EXPECT_FALSE(offers.rename.menu);
    EXPECT_FALSE(offers.importMenu);
    EXPECT_FALSE(offers.exportMenu);
    EXPECT_TRUE(offers.quickInfoMenu);
    SetButtons(offers, true, BrowseMode::BrowseAll);
    EXPECT_FALSE(offers.quickInfoMenu);

    const int p = Add(static_cast<std::uint16_t>(HotKeyFromName("F1").value()), Scope::Global);
    CheckTimeItem(offers, block, p, BrowseMode::Browse);
    EXPECT_TRUE(Hidden(offers.copy));
    EXPECT_TRUE(Hidden(offers.scripting));
    // A click in a browse mode changes nothing.
    CommandOffers before = offers;
    MyGridClick(offers, block, p, BrowseMode::Browse);
    EXPECT_EQ(offers.activateCaption, before.activateCaption);
    EXPECT_FALSE(offers.rename.menu);
}

TEST_F(ListCommandsTest, EachKindOfMacroOffersItsOwnCommands) {
    const int hotKey = Add(5, Scope::Window);
    const int timed = Add(kActivationTimed, Scope::Global);
    const int popup = Add(6, Scope::PopupMenu);
    const int system = Add(262, Scope::System);

    MyGridClick(offers, block, hotKey, BrowseMode::Off);
    for (const CommandControls* c :
         {&offers.modify, &offers.recapture, &offers.remove, &offers.copy, &offers.rename,
          &offers.activate, &offers.scripting})
        EXPECT_TRUE(Shown(*c));
    EXPECT_EQ(offers.modifyCaption, "Modify &Directly");

    MyGridClick(offers, block, timed, BrowseMode::Off);
    EXPECT_TRUE(Hidden(offers.recapture));
    EXPECT_TRUE(Shown(offers.scripting));

    MyGridClick(offers, block, popup, BrowseMode::Off);
    EXPECT_TRUE(Hidden(offers.recapture));
    EXPECT_TRUE(Hidden(offers.scripting));
    EXPECT_TRUE(Shown(offers.copy));
    EXPECT_EQ(offers.modifyCaption, "Mo&dify Popup Menu");
    EXPECT_EQ(offers.modifyHint, "Modify Macro Popup Menu");

    MyGridClick(offers, block, system, BrowseMode::Off);
    for (const CommandControls* c : {&offers.modify, &offers.recapture, &offers.remove,
                                     &offers.copy, &offers.activate, &offers.scripting})
        EXPECT_TRUE(Hidden(*c));
    EXPECT_TRUE(Shown(offers.rename));
}

TEST(WindowCaptionTest, FileTitleDateAndBrowseMode) {
    Settings s;
    s.currentFile = "/home/u/My Macros.KVN";
    EXPECT_EQ(DoCaption(s, BrowseMode::Off, "9/12/2026", "10:30:00 AM"), "Keyvane (My Macros)");
    s.showDate = true;
    EXPECT_EQ(DoCaption(s, BrowseMode::Browse, "9/12/2026", "10:30:00 AM"),
              "Keyvane (My Macros)     9/12/2026  10:30:00 AM    (Browse Mode)");
    s.showDate = false;
    EXPECT_EQ(DoCaption(s, BrowseMode::BrowseAll, "", ""),
              "Keyvane (My Macros)    (Browse All Mode)");
}

std::string Stamp(const DateTime& t) {
    return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day);
}

TEST(QuickInfoTest, LinesForEachActivationAndScope) {
    MacroRecord r;
    r.activation = static_cast<std::uint16_t>(HotKeyFromName("Ctrl+A").value());
    r.nickname = "Greeting";
    r.scope = static_cast<std::uint16_t>(Scope::Window);
    r.scopeName = "NOTEPAD";
    r.topMostOnly = 1;
    r.active = 0;
    r.text = "Hello<ENTER>";
    r.lastModified = ToDayCount(DateTime{2026, 3, 4, 0, 0, 0, 0});
    QuickInfo q = QuickInfoTexts(r, Stamp, "/nonexistent");
    EXPECT_EQ(q.lab1, "Hot Key:");
    EXPECT_EQ(q.line1, "Ctrl+A");
    EXPECT_EQ(q.line2, "Greeting");
    EXPECT_EQ(q.line3, "NOTEPAD \"Window\" (Top Most Only)");
    EXPECT_EQ(q.line4, "No");
    EXPECT_EQ(q.macroTextLabel, "Macro Text:");
    EXPECT_TRUE(q.macroTextVisible);
    EXPECT_EQ(q.line6, "Hello<ENTER>");
    EXPECT_EQ(q.lastMod, "Last Modified On 2026-3-4");

    r.scope = static_cast<std::uint16_t>(Scope::Program);
    r.topMostOnly = 0;
    r.activation = kActivationTypeword;
    r.typeword = "sig";
    q = QuickInfoTexts(r, Stamp, "/nonexistent");
    EXPECT_EQ(q.lab1, "Typeword:");
    EXPECT_EQ(q.line1, "sig");
    EXPECT_EQ(q.line3, "NOTEPAD \"Program\" (If Running)");

    r.activation = kActivationTimed;
    r.schedule.kind = 6;
    r.schedule.intervalMinutes = 15;
    r.scope = static_cast<std::uint16_t>(Scope::PopupMenu);
    q = QuickInfoTexts(r, Stamp, "/nonexistent");
    EXPECT_EQ(q.lab1, "Timed Macro:");
    EXPECT_FALSE(q.line1.empty());
    EXPECT_EQ(q.line3, "Popup Menu");
    EXPECT_EQ(q.macroTextLabel, "");
    EXPECT_FALSE(q.macroTextVisible);
}

TEST(QuickInfoTest, IconFallsBackToTheProgramIconWhenItsFileIsMissing) {
    test::TempDir dir;
    std::ofstream(dir.File("bell.ico")) << "icon";
    MacroRecord r;
    auto icon = [&](const std::string& name) {
        r.icon = name;
        return QuickInfoTexts(r, Stamp, dir.Path().string());
    };
    EXPECT_EQ(icon("MENU").icon, QuickInfoIcon::Menu);
    EXPECT_EQ(icon("MAIN").icon, QuickInfoIcon::Program);
    EXPECT_EQ(icon("").icon, QuickInfoIcon::Program);
    EXPECT_EQ(icon("gone.ico").icon, QuickInfoIcon::Program);
    const QuickInfo q = icon("bell.ico");
    EXPECT_EQ(q.icon, QuickInfoIcon::File);
    EXPECT_EQ(q.iconFile, dir.File("bell.ico"));
}

} // namespace
